// A minimal JSON text builder for the theme tool's report: strings are escaped (quotes,
// backslashes and every control character), so theme texts cannot break the output.
#pragma once

#include <string>
#include <string_view>

namespace qbtheme {

// `text` (UTF-8) as a JSON string literal with its quotes.
std::string JsonString(std::string_view text);

}  // namespace qbtheme
