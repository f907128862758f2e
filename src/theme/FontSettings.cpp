// Font creation from settings values, with private font files from the program folder.
#include "theme/FontSettings.h"

#include "theme/ProgramPath.h"
#include "theme/SettingValues.h"

namespace theme {

platform::Font ParseFont(std::u16string_view value) {
  const ParsedFont parsed = ParseFontDescription(value);
  if (parsed.register_face_file) {
    platform::RegisterPrivateFontFile(MakeProgramPath(parsed.description.face + u".ttf"));
  }
  return platform::Font(parsed.description);
}

}  // namespace theme
