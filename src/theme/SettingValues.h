// Parsing of settings values by kind: integers, booleans, decimals, colours, boxes, font
// descriptions and language texts. Every parser accepts any text: garbage gives the documented
// fallback, never an error.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Surface.h"
#include "platform/Types.h"

namespace theme {

// Leading white space, an optional sign, then the longest run of ASCII digits; the rest is
// ignored ("12px" is 12). No digits give 0; values beyond the 32-bit range saturate.
int32_t ParseInteger(std::u16string_view value);

// True when the integer of the value is not 0 ("1" true; "0" and "yes" false).
bool ParseBoolean(std::u16string_view value);

// A decimal number such as "1.02" or "-2.5e1" after leading white space; nullopt when none can
// be read or it is not finite (the setting keeps its previous value).
std::optional<float> ParseDecimal(std::u16string_view value);

// "r,g,b" to 0x00BBGGRR, each number cut to its low 8 bits; fewer than three pieces give
// kInvalidColor. Pieces after the third are ignored.
COLORREF ParseColor(std::u16string_view value);

// "left,top,right,bottom"; fewer than four pieces return `current` unchanged.
RECT ParseBox(std::u16string_view value, const RECT& current);

// A font value split into its description, and whether its face names a font file to register.
struct ParsedFont {
  platform::FontDescription description;
  bool register_face_file = false;  // true when a third piece gave a plain face name
};

// Smallest and largest pixel heights a font value may ask for.
inline constexpr int kMinFontPixels = 1;
inline constexpr int kMaxFontPixels = 512;
// A face name longer than this does not fit a font description.
inline constexpr size_t kMaxFaceUnits = 31;

// "size", "size,style" or "size,style,face". The style must be exactly "bold" (weight 700) or
// "italic"; without a face the face is "Tahoma". A size of 0 (also a value with no pieces)
// gives the default 12 px; a negative size is taken by its magnitude; sizes are clamped to
// kMinFontPixels..kMaxFontPixels. A face that is not a plain name (longer than kMaxFaceUnits,
// a path separator, "..", a control character) is ignored: the face stays "Tahoma" and no font
// file is registered for it.
ParsedFont ParseFontDescription(std::u16string_view value);

// Every "{0}" becomes "%s".
std::u16string ParseLanguageText(std::u16string_view value);

}  // namespace theme
