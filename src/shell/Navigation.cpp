#include "shell/Navigation.h"

#include "messaging/SMSPanel.h"
#include "platform/ui/WindowApi.h"
#include "screens/ContactContainerPanel.h"
#include "screens/ContactDetailPanel.h"
#include "shell/AppGlobals.h"
#include "shell/TransitionRunner.h"
#include "theme/SettingManager.h"

namespace shell {

void SlideTransition(platform::ui::HWND hwnd, int direction, const RECT* area) {
  (void)direction;  // the cut has no direction; the slide will
  RECT default_area{};
  if (!area) {
    platform::ui::GetClientRect(hwnd, default_area);
    default_area.bottom -= theme::Settings().icon_panel_height;
    area = &default_area;
  }
  CutAnimation animation;
  RunScreenTransition(hwnd, animation, area);
}

// List screen already visible: hide the other screens and (animated) slide over the default
// area. Otherwise the detail or SMS screen gives way to the list screen, then the detail
// screen is hidden and (animated) the slide goes back over the detail screen's rectangle.
void ShowMainPanel(platform::ui::HWND hwnd, bool animate) {
  AppGlobals& app = App();
  if (!app.list_screen || !app.detail_screen || !app.sms_screen) return;
  if (app.list_screen->visible) {
    app.sms_screen->visible = false;
    app.detail_screen->visible = false;
    // The filter menu arrives with the list screen; it is hidden here then.
    if (animate) SlideTransition(hwnd, 1, nullptr);
    return;
  }
  if (app.detail_screen->visible) {
    app.sms_screen->visible = false;
    app.list_screen->visible = true;
  } else if (app.sms_screen->visible) {
    app.sms_screen->visible = false;
    app.list_screen->visible = true;
  } else {
    return;
  }
  app.detail_screen->visible = false;
  if (animate) SlideTransition(hwnd, 1, &app.detail_screen->rect);
}

}  // namespace shell
