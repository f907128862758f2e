// Loading a whole theme in the fixed order of a relayout.
#pragma once

#include <string_view>

namespace theme {

// Resets the settings, then reads the theme archive, then the program folder's "lang.ini" and
// "settings.ini", all with the orientation prefix ("portrait_" or "landscape_"). Later sources
// override earlier ones. Runs on the UI thread.
void LoadTheme(std::u16string_view theme_name, std::u16string_view prefix);

}  // namespace theme
