// Resolving a file name against the program folder (themes, settings.ini, lang.ini, image
// files named by plain settings, font files, the contact cache).
#pragma once

#include <string>
#include <string_view>

namespace theme {

// A name starting with '/' is an absolute path and is returned unchanged; any other name,
// "sub/x.png" included, becomes the program folder, '/', then the name (never relative to the
// current folder). The result is UTF-8, ready for the file system.
std::string MakeProgramPath(std::u16string_view name);
std::string MakeProgramPath(std::string_view name);

}  // namespace theme
