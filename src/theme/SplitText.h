// Cutting a text into pieces at a separator, the way every settings value and list is cut.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace theme {

// When `separator` does not occur in `text` (or is empty), one piece: the whole text, even when
// it is empty. Otherwise the text is cut at every occurrence, left to right; empty pieces are
// dropped and the others kept in order, untrimmed ("12, bold" gives "12" and " bold"). A text
// made only of separators gives no pieces.
std::vector<std::u16string> SplitText(std::u16string_view text, std::u16string_view separator);

}  // namespace theme
