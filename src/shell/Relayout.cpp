#include "shell/Relayout.h"

#include <algorithm>

#include "platform/ui/WindowApi.h"
#include "shell/AppGlobals.h"
#include "shell/Preferences.h"
#include "theme/SettingManager.h"
#include "theme/ThemeLoader.h"

namespace shell {

std::u16string OrientationPrefix(const RECT& rect, int window_height, int screen_width) {
  const int m = std::min(window_height, screen_width);
  return RectWidth(rect) > m ? kLandscapePrefix : kPortraitPrefix;
}

void LoadThemeForPrefix(const std::u16string& prefix) {
  AppGlobals& app = App();
  app.theme_name = ReadThemeName();
  app.theme_prefix = prefix;
  ++app.theme_loads;
  // Reset, the archive, then the program folder's lang.ini and settings.ini.
  theme::LoadTheme(app.theme_name, prefix);
}

void LoadStartupLanguageTexts() {
  ++App().language_loads;
  theme::Settings().LoadSettingsFile(u"lang.ini", u"");
}

void Relayout(const RECT& rect, bool force) {
  AppGlobals& app = App();
  if (!force && rect == app.last_layout_rect) return;
  RECT window_rect{};
  platform::ui::GetWindowRect(app.main_window, window_rect);
  const std::u16string prefix =
      OrientationPrefix(rect, RectHeight(window_rect), platform::ui::GetSystemMetrics(SM_CXSCREEN));
  if (prefix != app.orientation_prefix || force) {
    LoadThemeForPrefix(prefix);
    app.orientation_prefix = prefix;
  }
  app.back_buffer.reset();
  for (size_t i = 0; i < app.panels.size(); ++i) app.panels[i]->Resize(rect);
  app.last_layout_rect = rect;
  // The new layout (and maybe a new theme) must reach the screen even when the size stayed.
  platform::ui::InvalidateRect(app.main_window, nullptr);
}

void ChangeTheme(const std::u16string& theme_file_name) {
  WriteThemeName(theme_file_name);
  RECT client{};
  // The client rectangle: the window rectangle would put the panels below the task bar
  // offset whenever the window does not start at the top of the screen.
  platform::ui::GetClientRect(App().main_window, client);
  Relayout(client, true);
}

}  // namespace shell
