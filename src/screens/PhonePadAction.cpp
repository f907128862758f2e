#include "screens/PhonePadAction.h"

#include <memory>

#include "contacts/ContactSmartListControl.h"
#include "platform/ui/WindowApi.h"
#include "screens/ContactContainerPanel.h"
#include "screens/PhonePad.h"
#include "theme/SettingManager.h"
#include "toolkit/AnimationRunners.h"
#include "toolkit/VerticalSlideAnimation.h"

void PhonePadAction::Execute() {
  namespace ui = platform::ui;
  const ui::HWND host = screen_.HostWindow();
  PhonePad& pad = screen_.PhonePadControl();
  ContactSmartListControl& list = screen_.ContactList();
  const theme::SettingManager& s = theme::Settings();
  RECT client{};
  if (!ui::GetClientRect(host, client)) client = screen_.rect;
  const int bar_top = client.bottom - s.icon_panel_height;
  // The slide stays in the client area above the icon bar.
  const RECT area{client.left, client.top, client.right, bar_top};
  const int height = RectHeight(pad.rect);
  if (!pad.visible) {
    pad.visible = true;
    pad.rect = RECT{pad.rect.left, bar_top, pad.rect.right, bar_top + height};
    RunControlAnimation(
        host, pad,
        std::make_unique<VerticalSlideAnimation>(pad, bar_top - height, s.menu_animation_duration),
        &area);
    list.rect.bottom = pad.rect.top;
  } else {
    pad.visible = false;
    list.rect.bottom = bar_top;
    RunControlAnimation(
        host, pad,
        std::make_unique<VerticalSlideAnimation>(pad, bar_top, s.menu_animation_duration), &area);
  }
  // The list moves the pixels it drew before; its room changed, so it draws afresh.
  list.ForceFullPaint();
  ui::InvalidateRect(host, nullptr);
}
