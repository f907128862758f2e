#include "shell/Navigation.h"

#include <algorithm>
#include <memory>

#include "contacts/ContactSmartListControl.h"
#include "messaging/SMSPanel.h"
#include "platform/ui/WindowApi.h"
#include "screens/ContactContainerPanel.h"
#include "screens/ContactDetailPanel.h"
#include "screens/FilterMenuPanel.h"
#include "shell/AppGlobals.h"
#include "shell/TransitionRunner.h"
#include "theme/SettingManager.h"
#include "toolkit/FlipScreenAnimation.h"
#include "toolkit/GenieAnimation.h"
#include "toolkit/ReverseAnimation.h"
#include "toolkit/SlideScreenAnimation.h"

namespace shell {

namespace {

// The client rectangle less the icon bar's room at the bottom.
RECT ScreenArea(platform::ui::HWND hwnd) {
  RECT area{};
  platform::ui::GetClientRect(hwnd, area);
  area.bottom = std::max(area.top, area.bottom - theme::Settings().icon_panel_height);
  return area;
}

void NoteTransition(const char* kind, int direction) {
  App().last_transition = kind;
  App().last_transition_direction = direction;
}

}  // namespace

void SlideTransition(platform::ui::HWND hwnd, int direction, const RECT* area,
                     int32_t duration_ms) {
  const RECT animated = area ? *area : ScreenArea(hwnd);
  NoteTransition("slide", direction);
  SlideScreenAnimation animation(duration_ms, animated, direction);
  RunScreenTransition(hwnd, animation, &animated);
}

void FlipTransition(platform::ui::HWND hwnd, int direction) {
  NoteTransition("flip", direction);
  FlipScreenAnimation animation(direction, kFlipDurationMs);
  RunScreenTransition(hwnd, animation, nullptr);
}

void GenieOpenTransition(platform::ui::HWND hwnd, const RECT& target) {
  const RECT animated = ScreenArea(hwnd);
  NoteTransition("genie open", 0);
  App().last_genie_target = target;
  GenieAnimation animation(kGenieOpenDurationMs, target);
  RunScreenTransition(hwnd, animation, &animated);
}

void GenieCloseTransition(platform::ui::HWND hwnd, const RECT& target) {
  const RECT animated = ScreenArea(hwnd);
  NoteTransition("genie close", 0);
  App().last_genie_target = target;
  ReverseAnimation animation(std::make_unique<GenieAnimation>(kGenieCloseDurationMs, target));
  RunScreenTransition(hwnd, animation, &animated);
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
    // A filter menu still open gives way to the contact list.
    FilterMenuPanel& menu = app.list_screen->FilterMenu();
    if (menu.visible) {
      menu.visible = false;
      app.list_screen->ContactList().visible = true;
    }
    // A list that now has a filter slides it in from the right; back to no filter (typed
    // letters cleared) comes in from the left.
    if (animate) {
      const bool filtered = app.list_screen->ContactList().Filter() != nullptr;
      SlideTransition(hwnd, filtered ? 0 : 1, nullptr);
    }
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
