// The theme load sequence of a relayout.
#include "theme/ThemeLoader.h"

#include "theme/SettingManager.h"

namespace theme {

void LoadTheme(std::u16string_view theme_name, std::u16string_view prefix) {
  SettingManager& settings = Settings();
  settings.ResetToDefaults();
  settings.LoadThemeArchive(theme_name, prefix);
  settings.LoadSettingsFile(u"lang.ini", prefix);
  settings.LoadSettingsFile(u"settings.ini", prefix);
}

}  // namespace theme
