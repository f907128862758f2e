#include "toolkit/GestureControl.h"

#include <cstdlib>

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/ui/WindowApi.h"
#include "theme/SettingManager.h"

RECT GestureControl::OnPenDown(int x, int y) {
  down_x_ = x;
  down_y_ = y;
  down_time_ = platform::Clock::TickCount();
  return kEmptyRect;
}

RECT GestureControl::OnPenUp(int x, int y) {
  const int dx = std::abs(x - down_x_);
  const int dy = std::abs(y - down_y_);
  RECT client{};
  platform::ui::GetClientRect(host_window_, client);
  const int icon_bar_top = client.bottom - theme::Settings().icon_panel_height;
  if (dy < kSwipeMaxDy && y < icon_bar_top && dx > (rect.right - rect.left) / 2) {
    if (swipe_action_) swipe_action_();
    return rect;
  }
  const uint32_t held = platform::Clock::TickCount() - down_time_;
  const int screen_width = platform::ui::GetSystemMetrics(SM_CXSCREEN);
  if (dx < kTapMaxMove && dy < kTapMaxMove && held < kTapMaxMs && x > screen_width - kCornerSize &&
      y < kCornerSize && corner_action_) {
    corner_action_();
  }
  return kEmptyRect;
}
