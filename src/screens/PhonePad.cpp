#include "screens/PhonePad.h"

#include <string>

#include "contacts/ScreenNavigation.h"
#include "platform/Messages.h"
#include "platform/ui/WindowApi.h"
#include "theme/Image.h"
#include "theme/SettingManager.h"

namespace {

constexpr int kColumns = 3;
constexpr int kRows = 4;
constexpr int kKeyInset = 3;

bool IsKey(char16_t key) {
  return key != PhonePad::kNoKey && key != 0xFFFF;
}

}  // namespace

PhonePad::PhonePad(platform::ui::HWND host_window, const RECT& initial_rect)
    : LightControl(initial_rect), host_window_(host_window) {}

RECT PhonePad::KeyRect(const RECT& pad, int index) {
  const int width = RectWidth(pad) / kColumns;
  const int height = RectHeight(pad) / kRows;
  const int left = pad.left + (index % kColumns) * width;
  const int top = pad.top + (index / kColumns) * height;
  return RECT{left, top, left + width, top + height};
}

char16_t PhonePad::HitTest(const RECT& pad, int x, int y) {
  for (int i = 0; i < kKeyCount; ++i) {
    const RECT cell = KeyRect(pad, i);
    if (x >= cell.left && x < cell.right && y >= cell.top && y < cell.bottom) return kKeys[i];
  }
  return kNoKey;
}

void PhonePad::Resize(const RECT& client) {
  const theme::SettingManager& s = theme::Settings();
  RECT window{};
  // Without a main window (tests) the client rectangle stands for it.
  const int window_height =
      platform::ui::GetWindowRect(host_window_, window) ? RectHeight(window) : client.bottom;
  const int bottom = window_height - s.icon_panel_height;
  rect = RECT{client.left, bottom - s.phone_pad_height, client.right, bottom};
  if (!visible) rect = OffsetRect(rect, 0, s.phone_pad_height);
}

bool PhonePad::Paint(platform::Surface& dc, int, int, int, int) {
  const theme::SettingManager& s = theme::Settings();
  const theme::Image* background = s.phone_pad_bg.get();
  if (background) {
    background->DrawImage(dc, rect, platform::SRCCOPY);
  } else {
    dc.FillRect(rect, s.button_panel_background_color);
  }
  for (int i = 0; i < kKeyCount; ++i) {
    const char16_t key = kKeys[i];
    const RECT cell = KeyRect(rect, i);
    RECT inner{cell.left + kKeyInset, cell.top + kKeyInset, cell.right - kKeyInset,
               cell.bottom - kKeyInset};
    if (key == pressed_key_ && background && RectWidth(rect) > 0 && RectHeight(rect) > 0) {
      // The key's part of the stretched background, inverted, so that the key looks pressed.
      const platform::Surface& pixels = background->Pixels();
      const auto scale_x = [&](int x) {
        return static_cast<int>(static_cast<int64_t>(x - rect.left) * pixels.Width() /
                                RectWidth(rect));
      };
      const auto scale_y = [&](int y) {
        return static_cast<int>(static_cast<int64_t>(y - rect.top) * pixels.Height() /
                                RectHeight(rect));
      };
      const RECT source{scale_x(inner.left), scale_y(inner.top), scale_x(inner.right),
                        scale_y(inner.bottom)};
      dc.StretchBlt(inner, pixels, source, platform::NOTSRCCOPY);
    }
    RECT label = inner;
    dc.DrawText(std::u16string(1, key), label, DT_CENTER | DT_TOP | DT_SINGLELINE, s.button_font,
                s.button_text_color);
    if (const std::u16string* letters = s.phonepad_draw_keys.Find(key)) {
      RECT under = inner;
      dc.DrawText(*letters, under, DT_CENTER | DT_BOTTOM | DT_SINGLELINE, s.index_font,
                  s.second_line_text_color);
    }
  }
  return true;
}

RECT PhonePad::OnPenDown(int x, int y) {
  pressed_key_ = HitTest(rect, x, y);
  tracking_ = x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
  return tracking_ ? rect : kEmptyRect;
}

RECT PhonePad::OnPenMove(int x, int y) {
  if (!tracking_) return kEmptyRect;
  const char16_t key = HitTest(rect, x, y);
  // Leaving the keys repaints too, so that no key stays drawn pressed.
  const bool was_key = IsKey(pressed_key_);
  pressed_key_ = key;
  return IsKey(key) || was_key ? rect : kEmptyRect;
}

RECT PhonePad::OnPenUp(int x, int y) {
  if (!tracking_) return kEmptyRect;
  tracking_ = false;
  const char16_t key = HitTest(rect, x, y);
  if (IsKey(key)) {
    pressed_key_ = kNoKey;
    if (key_sender_) {
      key_sender_(kPhonePadKey, key);
    } else {
      ScreenNavigation::DispatchKey(kPhonePadKey, key);
    }
    return rect;
  }
  if (IsKey(pressed_key_)) {
    pressed_key_ = kNoKey;
    return rect;
  }
  return kEmptyRect;
}

RECT PhonePad::OnPenReleased(int, int) {
  tracking_ = false;
  return kEmptyRect;
}
