#include "platform/input/EditMenu.h"

#include <algorithm>

#include "platform/Messages.h"
#include "platform/ui/WindowApi.h"

namespace platform::input {

namespace {

constexpr const char16_t* kLabels[] = {u"Cut", u"Copy", u"Paste", u"Select all"};
constexpr int kEntries = 4;
constexpr COLORREF kFrameColor = RGB(100, 100, 100);
constexpr COLORREF kPressedColor = RGB(49, 106, 197);

// Sizes grow with the screen: 1 on a 240-pixel-wide phone, 2 on a 480-pixel one.
int Scale() {
  const int shorter =
      std::min(ui::GetSystemMetrics(SM_CXSCREEN), ui::GetSystemMetrics(SM_CYSCREEN));
  return std::max(1, shorter / 240);
}

int EntryHeight() {
  return 28 * Scale();
}

const Font& MenuFont() {
  static const Font* fonts[4] = {};
  const int scale = std::min(Scale(), 4);
  if (!fonts[scale - 1]) {
    fonts[scale - 1] = new Font(FontDescription{13 * scale, FW_NORMAL, false, u"DejaVu Sans"});
  }
  return *fonts[scale - 1];
}

}  // namespace

ui::HWND EditMenu::Open(ui::HWND edit, POINT at, Enabled enabled) {
  ui::WindowManager* manager = ui::WindowManager::Current();
  if (!manager) return nullptr;
  const int width = 110 * Scale();
  const int height = kEntries * EntryHeight() + 2;
  const SIZE screen = manager->ScreenSize();
  const int x = std::clamp(at.x, 0, std::max(0, screen.cx - width));
  // Above the pen when there is room, so the finger does not hide it.
  int y = at.y - height - 8;
  if (y < 0) y = std::min(at.y + 8, std::max(0, screen.cy - height));
  auto menu = std::make_unique<EditMenu>(edit, enabled);
  EditMenu* raw = menu.get();
  ui::HWND hwnd = manager->CreateWindow(
      u"QBEditMenu", u"", RECT{x, y, x + width, y + height}, false, nullptr,
      [raw](ui::HWND h, UINT m, WPARAM w, LPARAM l) { return raw->Handle(h, m, w, l); }, 0,
      WS_EX_TOPMOST | WS_EX_NOACTIVATE);
  if (!hwnd) return nullptr;
  hwnd->SetClassData(std::move(menu));
  manager->ShowWindow(hwnd, ui::SW_SHOW);
  manager->SetCapture(hwnd);
  return hwnd;
}

void EditMenu::Close(ui::HWND menu) {
  if (!ui::IsWindow(menu)) return;
  ui::ShowWindow(menu, ui::SW_HIDE);
  if (ui::GetCapture() == menu) ui::ReleaseCapture();
  ui::PostMessage(menu, WM_CLOSE, 0, 0);
}

int EditMenu::EntryAt(ui::HWND hwnd, int x, int y) const {
  RECT client{};
  ui::GetClientRect(hwnd, client);
  if (!PtInRect(client, POINT{x, y})) return -1;
  return std::clamp((y - 1) / EntryHeight(), 0, kEntries - 1);
}

void EditMenu::Run(int entry) {
  static constexpr UINT kCommands[] = {WM_CUT, WM_COPY, WM_PASTE};
  if (entry == 3) {
    ui::SendMessage(edit_, EM_SETSEL, 0, -1);
  } else {
    ui::SendMessage(edit_, kCommands[entry], 0, 0);
  }
}

LRESULT EditMenu::Handle(ui::HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  const int x = ui::GetXParam(lparam);
  const int y = ui::GetYParam(lparam);
  switch (message) {
    case WM_PAINT:
      Paint(hwnd);
      return 0;
    case WM_LBUTTONDOWN:
      pen_seen_ = true;
      pressed_ = EntryAt(hwnd, x, y);
      if (pressed_ < 0) {
        Close(hwnd);
      } else {
        ui::InvalidateRect(hwnd, nullptr);
      }
      return 0;
    case WM_MOUSEMOVE:
      if (pen_seen_ && pressed_ != EntryAt(hwnd, x, y)) {
        pressed_ = EntryAt(hwnd, x, y);
        ui::InvalidateRect(hwnd, nullptr);
      }
      return 0;
    case WM_LBUTTONUP: {
      if (!pen_seen_) return 0;
      const int entry = EntryAt(hwnd, x, y);
      if (entry >= 0 && entry == pressed_ && enabled_[static_cast<size_t>(entry)]) {
        const ui::HWND edit = edit_;
        Close(hwnd);
        if (ui::IsWindow(edit)) Run(entry);
      }
      pressed_ = -1;
      ui::InvalidateRect(hwnd, nullptr);
      return 0;
    }
    default:
      return ui::DefWindowProc(hwnd, message, wparam, lparam);
  }
}

void EditMenu::Paint(ui::HWND hwnd) {
  ui::PAINTSTRUCT paint;
  Surface* dc = ui::BeginPaint(hwnd, paint);
  if (!dc) return;
  RECT client{};
  ui::GetClientRect(hwnd, client);
  dc->FillRect(client, kFrameColor);
  dc->FillRect(InflateRect(client, -1, -1), RGB(255, 255, 255));
  for (int i = 0; i < kEntries; ++i) {
    RECT entry{1, 1 + i * EntryHeight(), client.right - 1, 1 + (i + 1) * EntryHeight()};
    const bool enabled = enabled_[static_cast<size_t>(i)];
    if (i == pressed_ && enabled) dc->FillRect(entry, kPressedColor);
    const COLORREF color =
        !enabled ? RGB(160, 160, 160) : (i == pressed_ ? RGB(255, 255, 255) : RGB(0, 0, 0));
    RECT text = InflateRect(entry, -8 * Scale(), 0);
    dc->DrawText(kLabels[i], text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, MenuFont(),
                 color);
  }
  ui::EndPaint(hwnd, paint);
}

}  // namespace platform::input
