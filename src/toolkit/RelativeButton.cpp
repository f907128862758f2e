#include "toolkit/RelativeButton.h"

#include "theme/SettingManager.h"

RelativeButton::RelativeButton(const LightControl* parent, platform::ui::HWND host_window,
                               const RECT& initial_rect, std::u16string caption)
    : Button(host_window, initial_rect, std::move(caption),
             theme::Settings().small_button_image.get(),
             theme::Settings().small_button_image_pressed.get()),
      parent_(parent),
      relative_rect_(OffsetRect(initial_rect, -parent->rect.left, -parent->rect.top)) {}

void RelativeButton::FollowParent() {
  rect = OffsetRect(relative_rect_, parent_->rect.left, parent_->rect.top);
}

bool RelativeButton::Paint(platform::Surface& dc, int left, int top, int right, int bottom) {
  FollowParent();
  const theme::SettingManager& settings = theme::Settings();
  SetImages(settings.small_button_image.get(), settings.small_button_image_pressed.get());
  return Button::Paint(dc, left, top, right, bottom);
}

// Pen input follows the panel too: a pen event may arrive before the first paint after the
// panel moved.
RECT RelativeButton::OnPenDown(int x, int y) {
  FollowParent();
  return Button::OnPenDown(x, y);
}

RECT RelativeButton::OnPenMove(int x, int y) {
  FollowParent();
  return Button::OnPenMove(x, y);
}

RECT RelativeButton::OnPenUp(int x, int y) {
  FollowParent();
  return Button::OnPenUp(x, y);
}
