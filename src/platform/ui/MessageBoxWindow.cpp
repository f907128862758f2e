#include "platform/ui/MessageBoxWindow.h"

#include <algorithm>

#include "platform/ui/WindowManager.h"

namespace platform::ui {

namespace {

constexpr int kMargin = 8;
constexpr int kCaptionHeight = 22;
constexpr int kButtonHeight = 30;
constexpr int kButtonWidth = 70;
constexpr COLORREF kFrameColor = RGB(40, 40, 40);
constexpr COLORREF kCaptionColor = RGB(24, 40, 72);
constexpr COLORREF kBodyColor = RGB(240, 240, 240);
constexpr COLORREF kButtonColor = RGB(210, 210, 210);
constexpr COLORREF kPressedColor = RGB(150, 150, 150);
constexpr COLORREF kTextColor = RGB(0, 0, 0);
constexpr COLORREF kCaptionTextColor = RGB(255, 255, 255);

const Font& BoxFont() {
  static const Font font(FontDescription{13, FW_NORMAL, false, u"DejaVu Sans"});
  return font;
}

const Font& CaptionFont() {
  static const Font font(FontDescription{13, FW_BOLD, false, u"DejaVu Sans"});
  return font;
}

POINT PointOf(LPARAM lparam) {
  return POINT{static_cast<int16_t>(lparam & 0xFFFF),
               static_cast<int16_t>((lparam >> 16) & 0xFFFF)};
}

}  // namespace

MessageBoxWindow::MessageBoxWindow(WindowManager& manager, std::u16string text,
                                   std::u16string caption, uint32_t type)
    : manager_(manager), text_(std::move(text)), caption_(std::move(caption)), type_(type) {
  hwnd_ = manager_.CreateWindow(u"#MessageBox", caption_, ComputeRect(), false, nullptr,
                                [this](HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
                                  return Procedure(hwnd, message, wparam, lparam);
                                });
}

MessageBoxWindow::~MessageBoxWindow() {
  manager_.DestroyWindow(hwnd_);
}

int MessageBoxWindow::DefaultResult() const {
  return (type_ & 0xF) == MB_YESNO ? IDNO : IDOK;
}

int MessageBoxWindow::ButtonCount() const {
  return (type_ & 0xF) == MB_YESNO ? 2 : 1;
}

int MessageBoxWindow::ButtonResult(int index) const {
  if (ButtonCount() == 1) return IDOK;
  return index == 0 ? IDYES : IDNO;
}

RECT MessageBoxWindow::ComputeRect() {
  const SIZE screen = manager_.ScreenSize();
  const int width = std::max(120, std::min(screen.cx - 20, 220));
  Surface probe(1, 1);
  RECT text_rect{0, 0, width - 2 * kMargin, 0};
  probe.DrawText(text_, text_rect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX, BoxFont(), 0);
  const int text_height = std::clamp<int>(RectHeight(text_rect), 14, screen.cy / 2);
  text_height_ = text_height;
  const int height = kCaptionHeight + kMargin + text_height + kMargin + kButtonHeight + kMargin;
  const int left = (screen.cx - width) / 2;
  const int top = std::max(0, (screen.cy - height) / 2);
  return RECT{left, top, left + width, top + height};
}

RECT MessageBoxWindow::ButtonRect(int index) const {
  const RECT client = manager_.GetClientRect(hwnd_);
  const int count = ButtonCount();
  const int total = count * kButtonWidth + (count - 1) * kMargin;
  const int left = (RectWidth(client) - total) / 2 + index * (kButtonWidth + kMargin);
  const int top = client.bottom - kMargin - kButtonHeight;
  return RECT{left, top, left + kButtonWidth, top + kButtonHeight};
}

int MessageBoxWindow::ButtonAt(POINT point) const {
  for (int i = 0; i < ButtonCount(); ++i) {
    if (PtInRect(ButtonRect(i), point)) return i;
  }
  return -1;
}

LRESULT MessageBoxWindow::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      Paint(hwnd);
      return 0;
    case WM_LBUTTONDOWN:
      pressed_ = ButtonAt(PointOf(lparam));
      manager_.InvalidateRect(hwnd, nullptr);
      return 0;
    case WM_LBUTTONUP: {
      const int released = ButtonAt(PointOf(lparam));
      if (released >= 0 && released == pressed_) result_ = ButtonResult(released);
      pressed_ = -1;
      manager_.InvalidateRect(hwnd, nullptr);
      return 0;
    }
    case WM_KEYDOWN:
      if (wparam == VK_RETURN) result_ = ButtonResult(0);
      if (wparam == VK_ESCAPE) result_ = DefaultResult();
      return 0;
    default:
      return 0;
  }
}

void MessageBoxWindow::Paint(HWND hwnd) {
  RECT invalid;
  Surface* surface = manager_.BeginPaint(hwnd, invalid);
  if (!surface) return;
  const RECT client = manager_.GetClientRect(hwnd);
  surface->FillRect(client, kFrameColor);
  surface->FillRect(InflateRect(client, -1, -1), kBodyColor);
  surface->FillRect(RECT{1, 1, client.right - 1, kCaptionHeight}, kCaptionColor);
  RECT caption_rect{kMargin, 0, client.right - kMargin, kCaptionHeight};
  surface->DrawText(caption_, caption_rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                    CaptionFont(), kCaptionTextColor);
  RECT text_rect{kMargin, kCaptionHeight + kMargin, client.right - kMargin,
                 kCaptionHeight + kMargin + text_height_};
  surface->DrawText(text_, text_rect, DT_WORDBREAK | DT_NOPREFIX, BoxFont(), kTextColor);
  static const char16_t* const kLabels[2][2] = {{u"OK", u""}, {u"Yes", u"No"}};
  const int row = ButtonCount() - 1;
  for (int i = 0; i < ButtonCount(); ++i) {
    RECT button = ButtonRect(i);
    surface->FillRect(button, kFrameColor);
    surface->FillRect(InflateRect(button, -1, -1), i == pressed_ ? kPressedColor : kButtonColor);
    surface->DrawText(kLabels[row][i], button, DT_CENTER | DT_VCENTER | DT_SINGLELINE, BoxFont(),
                      kTextColor);
  }
  manager_.EndPaint(hwnd);
}

}  // namespace platform::ui
