// Cutting texts at a separator.
#include "theme/SplitText.h"

namespace theme {

std::vector<std::u16string> SplitText(std::u16string_view text, std::u16string_view separator) {
  if (separator.empty() || text.find(separator) == std::u16string_view::npos) {
    return {std::u16string(text)};
  }
  std::vector<std::u16string> pieces;
  size_t start = 0;
  while (start <= text.size()) {
    size_t found = text.find(separator, start);
    if (found == std::u16string_view::npos) found = text.size();
    if (found > start) pieces.emplace_back(text.substr(start, found - start));
    start = found + separator.size();
  }
  return pieces;
}

}  // namespace theme
