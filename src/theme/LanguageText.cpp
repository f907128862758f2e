// Language text filling by plain substitution.
#include "theme/LanguageText.h"

namespace theme {

std::u16string FormatText(std::u16string_view format, std::u16string_view value) {
  const size_t place = format.find(u"%s");
  if (place == std::u16string_view::npos) return std::u16string(format);
  std::u16string result;
  result.reserve(format.size() + value.size());
  result.append(format.substr(0, place));
  result.append(value);
  result.append(format.substr(place + 2));
  return result;
}

}  // namespace theme
