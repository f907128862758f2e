// Value parsers of the settings syntax.
#include "theme/SettingValues.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

#include "platform/Text.h"
#include "theme/SplitText.h"

namespace theme {

namespace {

bool IsAsciiDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

size_t SkipSpaces(std::u16string_view value, size_t i) {
  while (i < value.size() && platform::IsSpaceUnit(value[i])) ++i;
  return i;
}

size_t SkipDigits(std::u16string_view value, size_t i) {
  while (i < value.size() && IsAsciiDigit(value[i])) ++i;
  return i;
}

bool IsPlainFaceName(std::u16string_view face) {
  if (face.empty() || face.size() > kMaxFaceUnits) return false;
  if (face.find(u"..") != std::u16string_view::npos) return false;
  for (char16_t c : face) {
    if (c < 0x20 || c == 0x7F || c == u'/' || c == u'\\') return false;
  }
  return true;
}

int FontPixels(int32_t size) {
  if (size == 0) return platform::FontDescription{}.pixel_height;
  const int64_t magnitude = std::llabs(static_cast<int64_t>(size));
  return static_cast<int>(std::clamp<int64_t>(magnitude, kMinFontPixels, kMaxFontPixels));
}

}  // namespace

int32_t ParseInteger(std::u16string_view value) {
  size_t i = SkipSpaces(value, 0);
  bool negative = false;
  if (i < value.size() && (value[i] == u'+' || value[i] == u'-')) negative = value[i++] == u'-';
  int64_t magnitude = 0;
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  for (; i < value.size() && IsAsciiDigit(value[i]); ++i) {
    magnitude = std::min(kLimit, magnitude * 10 + (value[i] - u'0'));
  }
  const int64_t signed_value = negative ? -magnitude : magnitude;
  return static_cast<int32_t>(std::clamp<int64_t>(signed_value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

bool ParseBoolean(std::u16string_view value) {
  return ParseInteger(value) != 0;
}

std::optional<float> ParseDecimal(std::u16string_view value) {
  const size_t start = SkipSpaces(value, 0);
  size_t i = start;
  if (i < value.size() && (value[i] == u'+' || value[i] == u'-')) ++i;
  const size_t int_end = SkipDigits(value, i);
  size_t end = int_end;
  size_t digits = int_end - i;
  if (end < value.size() && value[end] == u'.') {
    const size_t frac_end = SkipDigits(value, end + 1);
    digits += frac_end - end - 1;
    end = frac_end;
  }
  if (digits == 0) return std::nullopt;
  if (end < value.size() && (value[end] == u'e' || value[end] == u'E')) {
    size_t e = end + 1;
    if (e < value.size() && (value[e] == u'+' || value[e] == u'-')) ++e;
    const size_t exp_end = SkipDigits(value, e);
    if (exp_end > e) end = exp_end;
  }
  // The accepted characters are all ASCII, so the narrow copy is exact.
  std::string ascii(value.begin() + static_cast<ptrdiff_t>(start),
                    value.begin() + static_cast<ptrdiff_t>(end));
  const float parsed = std::strtof(ascii.c_str(), nullptr);
  if (!std::isfinite(parsed)) return std::nullopt;
  return parsed;
}

COLORREF ParseColor(std::u16string_view value) {
  const auto pieces = SplitText(value, u",");
  if (pieces.size() < 3) return kInvalidColor;
  auto low8 = [](const std::u16string& piece) {
    return static_cast<uint8_t>(static_cast<uint32_t>(ParseInteger(piece)) & 0xFF);
  };
  return RGB(low8(pieces[0]), low8(pieces[1]), low8(pieces[2]));
}

RECT ParseBox(std::u16string_view value, const RECT& current) {
  const auto pieces = SplitText(value, u",");
  if (pieces.size() < 4) return current;
  return RECT{ParseInteger(pieces[0]), ParseInteger(pieces[1]), ParseInteger(pieces[2]),
              ParseInteger(pieces[3])};
}

ParsedFont ParseFontDescription(std::u16string_view value) {
  const auto pieces = SplitText(value, u",");
  ParsedFont font;
  font.description.pixel_height = FontPixels(pieces.empty() ? 0 : ParseInteger(pieces[0]));
  font.description.weight = 400;
  font.description.italic = false;
  font.description.face = u"Tahoma";
  if (pieces.size() >= 2) {
    if (pieces[1] == u"bold") font.description.weight = 700;
    if (pieces[1] == u"italic") font.description.italic = true;
  }
  if (pieces.size() >= 3 && IsPlainFaceName(pieces[2])) {
    font.description.face = pieces[2];
    font.register_face_file = true;
  }
  return font;
}

std::u16string ParseLanguageText(std::u16string_view value) {
  std::u16string result;
  result.reserve(value.size());
  size_t i = 0;
  while (i < value.size()) {
    if (value.substr(i, 3) == u"{0}") {
      result += u"%s";
      i += 3;
    } else {
      result += value[i++];
    }
  }
  return result;
}

}  // namespace theme
