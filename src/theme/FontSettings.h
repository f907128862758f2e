// Turning font values of the settings into fonts.
#pragma once

#include <string_view>

#include "platform/Surface.h"

namespace theme {

// Parses a font value (see ParseFontDescription) and creates the font. When the value names a
// face, the file "<face>.ttf" in the program folder is registered with the platform first,
// every time; a missing file is ignored and font matching picks a face.
platform::Font ParseFont(std::u16string_view value);

}  // namespace theme
