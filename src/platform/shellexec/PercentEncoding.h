// Percent-encoding of URI parts: each UTF-8 byte that is not an ASCII letter or digit, nor one
// of the characters a part allows as they are, becomes "%" and two upper-case hex digits.
#pragma once

#include <string>
#include <string_view>

namespace platform::shellexec {

// `utf8` with every byte other than A-Z, a-z, 0-9 and the ASCII characters of `also_keep`
// percent-encoded. Non-ASCII text is encoded byte by byte of its UTF-8 form.
std::string PercentEncode(std::string_view utf8, std::string_view also_keep);

}  // namespace platform::shellexec
