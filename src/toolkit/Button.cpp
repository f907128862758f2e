#include "toolkit/Button.h"

#include "platform/ui/WindowApi.h"
#include "theme/Image.h"
#include "theme/SettingManager.h"

namespace {

bool Contains(const RECT& rect, int x, int y) {
  return PtInRect(rect, POINT{x, y});
}

// Grey levels of the built-in face, top and bottom, released and pressed.
constexpr uint8_t kFaceTop = 255;
constexpr uint8_t kFaceBottom = 200;
constexpr uint8_t kPressedFaceTop = 200;
constexpr uint8_t kPressedFaceBottom = 150;

constexpr COLORREF Grey(uint8_t level) {
  return RGB(level, level, level);
}

// A one-pixel frame just inside `rect`.
void FrameRect(platform::Surface& dc, const RECT& rect, COLORREF color) {
  dc.FillRect(RECT{rect.left, rect.top, rect.right, rect.top + 1}, color);
  dc.FillRect(RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, color);
  dc.FillRect(RECT{rect.left, rect.top, rect.left + 1, rect.bottom}, color);
  dc.FillRect(RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, color);
}

// The image drawn inverted: the press face of a button without a pressed image. An image
// kept with its transparency is first composed over what lies beneath it, so that the whole
// face inverts as an opaque one would.
void DrawInverted(platform::Surface& dc, const theme::Image& image, const RECT& rect) {
  if (image.IsPrerendered()) {
    image.DrawImage(dc, rect, platform::NOTSRCCOPY);
    return;
  }
  const int width = RectWidth(rect);
  const int height = RectHeight(rect);
  platform::Surface composed(width, height);
  composed.BitBlt(0, 0, width, height, dc, rect.left, rect.top);
  image.DrawImage(composed, RECT{0, 0, width, height});
  dc.BitBlt(rect.left, rect.top, width, height, composed, 0, 0, platform::NOTSRCCOPY);
}

}  // namespace

Button::Button(platform::ui::HWND host_window, const RECT& initial_rect, std::u16string caption,
               const theme::Image* image, const theme::Image* pressed_image)
    : LightControl(initial_rect),
      IListItem(RectHeight(initial_rect)),
      text(std::move(caption)),
      host_window_(host_window),
      image_(image),
      pressed_image_(pressed_image) {}

Button::Button(platform::ui::HWND host_window, std::u16string caption, const theme::Image* image,
               const theme::Image* pressed_image)
    : LightControl(kEmptyRect),
      IListItem(theme::Settings().large_button_height),
      text(std::move(caption)),
      host_window_(host_window),
      list_button_(true),
      image_(image),
      pressed_image_(pressed_image) {}

Button::~Button() {
  platform::ui::KillTimer(host_window_, PressTimerId());
}

void Button::SetImages(const theme::Image* image, const theme::Image* pressed_image) {
  image_ = image;
  pressed_image_ = pressed_image;
}

bool Button::Paint(platform::Surface& dc, int left, int top, int right, int bottom) {
  if (IsRectEmpty(IntersectRect(rect, RECT{left, top, right, bottom}))) return false;
  DrawFace(dc);
  const theme::SettingManager& settings = theme::Settings();
  const COLORREF color = pressed_ ? settings.button_text_color_pressed : settings.button_text_color;
  if (color != kInvalidColor) {
    RECT caption = InflateRect(rect, -1, -1);
    dc.DrawText(text, caption, DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_NOPREFIX,
                settings.button_font, color);
  }
  return true;
}

void Button::DrawFace(platform::Surface& dc) {
  if (!image_) {
    const uint8_t top = pressed_ ? kPressedFaceTop : kFaceTop;
    const uint8_t bottom = pressed_ ? kPressedFaceBottom : kFaceBottom;
    dc.GradientFill(rect, Grey(top), Grey(bottom), platform::Surface::Gradient::kVertical);
    FrameRect(dc, rect, RGB(0, 0, 0));
    return;
  }
  if (!pressed_) {
    image_->DrawImage(dc, rect, platform::SRCCOPY);
  } else if (pressed_image_) {
    pressed_image_->DrawImage(dc, rect, platform::SRCCOPY);
  } else {
    DrawInverted(dc, *image_, rect);
  }
}

RECT Button::OnPenDown(int x, int y) {
  if (!Contains(rect, x, y)) {
    pressed_ = false;
    return kEmptyRect;
  }
  pressed_ = true;
  platform::ui::SetTimer(host_window_, PressTimerId(), kLongPressMs);
  return rect;
}

RECT Button::OnPenMove(int x, int y) {
  const bool inside = Contains(rect, x, y);
  if (inside == pressed_) return kEmptyRect;
  pressed_ = inside;
  return rect;
}

RECT Button::OnPenUp(int x, int y) {
  if (!pressed_) return kEmptyRect;
  // Everything is settled before the action runs: a list button's action may delete the
  // button itself (a list refilled by it), so nothing of the button is touched afterwards.
  const RECT result = rect;
  pressed_ = false;
  if (Contains(result, x, y)) RunClickAction();
  return result;
}

RECT Button::OnPenReleased(int, int) {
  platform::ui::KillTimer(host_window_, PressTimerId());
  if (!pressed_) return kEmptyRect;
  pressed_ = false;
  return rect;
}

RECT Button::OnKey(uint32_t, char16_t) {
  return kEmptyRect;
}

bool Button::OnTimer(uintptr_t timer_id) {
  if (timer_id != PressTimerId()) return false;
  platform::ui::KillTimer(host_window_, PressTimerId());
  if (pressed_ && long_press_action_) {
    // Released before the action runs, so that the coming pen-up does not click.
    pressed_ = false;
    long_press_action_->Execute();
  }
  return true;
}

bool Button::Draw(platform::Surface& surface, const RECT& row, bool selected) {
  rect = row;
  const bool was_pressed = pressed_;
  pressed_ = selected || was_pressed;
  Paint(surface, row.left, row.top, row.right, row.bottom);
  pressed_ = was_pressed;
  return true;
}

void Button::OnClick(SmartListControl&) {
  RunClickAction();
}

void Button::RunClickAction() {
  if (click_action_) click_action_->Execute();
}
