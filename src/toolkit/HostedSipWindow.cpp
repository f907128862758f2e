// The program's own keyboard window "QBKSipClass": a top-most window at the bottom of the
// screen into which the hosted input method puts its window. The reposition message fits it
// to the keyboard and relays the screens above it:
//   wParam != 0   the keyboard is the union of the hosted window's children and all their
//                 descendants, each clipped to the screen less the menu bar's height
//   wParam == 0   the keyboard is the hosted window as it is
// Then the window moves to the bottom of the screen with the keyboard's size and the screens
// get the main window's client area less the keyboard's height.
#include "platform/ui/WindowApi.h"
#include "toolkit/SoftInputPanel.h"

namespace ui = platform::ui;
namespace sip = platform::sip;

namespace {

RECT Descendants(ui::HWND window, const RECT& clip) {
  RECT all{};
  for (ui::HWND child : window->Children()) {
    RECT rect{};
    ui::GetWindowRect(child, rect);
    all = UnionRect(all, IntersectRect(rect, clip));
    all = UnionRect(all, Descendants(child, clip));
  }
  return all;
}

void Reposition(ui::HWND hosted, WPARAM wparam) {
  SoftInputPanelRecord& panel = InputPanel();
  const int screen_width = ui::GetSystemMetrics(SM_CXSCREEN);
  const int screen_height = ui::GetSystemMetrics(SM_CYSCREEN);
  RECT keyboard{};
  if (wparam != 0) {
    const RECT clip{0, 0, screen_width, screen_height - ui::GetSystemMetrics(SM_CYMENU)};
    keyboard = Descendants(hosted, clip);
  } else {
    ui::GetWindowRect(hosted, keyboard);
  }
  const int height = RectHeight(keyboard);
  ui::MoveWindow(hosted, 0, screen_height - height, RectWidth(keyboard), height, true);
  panel.keyboard_rect = RECT{0, screen_height - height, RectWidth(keyboard), screen_height};
  RECT main{};
  ui::GetWindowRect(panel.main_window, main);
  panel.relayout_rect = RECT{0, 0, screen_width, std::max(0, RectHeight(main) - height)};
  if (panel.host.relayout) panel.host.relayout(panel.relayout_rect);
}

// After a rotation the keyboard takes the new width and is fitted again.
void OnDisplayChange(ui::HWND hosted) {
  SoftInputPanelRecord& panel = InputPanel();
  if (!panel.input_method || !ui::IsWindowVisible(hosted)) return;
  const int width = ui::GetSystemMetrics(SM_CXSCREEN);
  const int height = ui::GetSystemMetrics(SM_CYSCREEN);
  const int top = height - ui::GetSystemMetrics(SM_CYMENU) - kHostedSipHeight;
  ui::MoveWindow(hosted, 0, top, width, height - top, true);
  sip::SIPINFO info;
  info.rcSipRect = RECT{0, height - kHostedSipHeight, width, height};
  panel.input_method->ReceiveSipInfo(&info);
  ui::PostMessage(hosted, RepositionKeyboardMessage(), 1, 0);
}

LRESULT HostedSipProc(ui::HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == RepositionKeyboardMessage()) {
    Reposition(hwnd, wparam);
    return 0;
  }
  switch (message) {
    case WM_SIZE:
      return 0;
    case WM_DISPLAYCHANGE:
      OnDisplayChange(hwnd);
      return 0;
    default:
      return ui::DefWindowProc(hwnd, message, wparam, lparam);
  }
}

}  // namespace

ui::HWND CreateHostedSipWindow(ui::HWND main_window) {
  ui::RegisterClass(kHostedSipClass, HostedSipProc);
  RECT main{};
  ui::GetWindowRect(main_window, main);
  const int screen_height = ui::GetSystemMetrics(SM_CYSCREEN);
  const int top = screen_height - ui::GetSystemMetrics(SM_CYMENU) - kHostedSipHeight;
  return ui::CreateWindowEx(WS_EX_TOPMOST | WS_EX_NOACTIVATE, kHostedSipClass, kHostedSipTitle,
                            WS_VISIBLE, main.left, top, RectWidth(main), screen_height - top,
                            nullptr);
}
