#include "shell/Dispatch.h"

#include <functional>

#include "platform/Messages.h"
#include "platform/ui/WindowApi.h"
#include "shell/AppGlobals.h"

namespace shell {

namespace {

using platform::ui::HWND;

// Walks the visible panels until `call` returns a rectangle with a non-zero right edge, which
// is invalidated. Returns whether a panel consumed the call.
bool FirstConsumer(HWND hwnd, const std::function<RECT(LightControl&)>& call) {
  auto& panels = App().panels;
  for (size_t i = 0; i < panels.size(); ++i) {
    LightControl* control = panels[i];
    if (!control->visible) continue;
    const RECT result = call(*control);
    if (result.right != 0) {
      platform::ui::InvalidateRect(hwnd, &result);
      return true;
    }
  }
  return false;
}

void NotifyReleased(HWND hwnd, int x, int y) {
  auto& panels = App().panels;
  for (size_t i = 0; i < panels.size(); ++i) {
    LightControl* control = panels[i];
    if (!control->visible) continue;
    const RECT result = control->OnPenReleased(x, y);
    if (result.right != 0) platform::ui::InvalidateRect(hwnd, &result);
  }
}

}  // namespace

void DispatchPointer(HWND hwnd, UINT message, int x, int y) {
  if (message == WM_LBUTTONDOWN) {
    platform::ui::SetCapture(hwnd);
    FirstConsumer(hwnd, [x, y](LightControl& c) { return c.OnPenDown(x, y); });
  } else if (message == WM_MOUSEMOVE) {
    FirstConsumer(hwnd, [x, y](LightControl& c) { return c.OnPenMove(x, y); });
  } else if (message == WM_LBUTTONUP) {
    platform::ui::ReleaseCapture();
    FirstConsumer(hwnd, [x, y](LightControl& c) { return c.OnPenUp(x, y); });
    NotifyReleased(hwnd, x, y);
  }
}

void DispatchKey(HWND hwnd, uint32_t virtual_key, char16_t character) {
  const bool taken = FirstConsumer(
      hwnd, [virtual_key, character](LightControl& c) { return c.OnKey(virtual_key, character); });
  // A desktop keyboard's Return (and the keypad's Enter) is the phone's action key unless a
  // control wants Return itself.
  if (!taken && virtual_key == VK_RETURN) {
    FirstConsumer(hwnd, [](LightControl& c) { return c.OnKey(VK_ACTION, 0); });
  }
}

void DispatchTimer(uintptr_t timer_id) {
  auto& panels = App().panels;
  for (size_t i = 0; i < panels.size(); ++i) {
    LightControl* control = panels[i];
    if (control->visible && control->OnTimer(timer_id)) return;
  }
}

}  // namespace shell
