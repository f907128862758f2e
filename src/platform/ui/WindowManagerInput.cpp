// Input translation, focus and activation. Pointer input goes to the capture window, else to
// the modal message box, else to the topmost visible window under the point (children before
// their parent), with client coordinates packed as two signed 16-bit values in lParam. Keys
// and characters go to the modal box, else the focus window, else the foreground window.
#include <algorithm>

#include "platform/ui/WindowManager.h"

namespace platform::ui {

namespace {

LPARAM MakePointParam(int x, int y) {
  return static_cast<LPARAM>((static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16) |
                             static_cast<uint32_t>(static_cast<uint16_t>(x)));
}

UINT PointerMessage(InputSink::Pointer kind) {
  switch (kind) {
    case InputSink::Pointer::kDown:
      return WM_LBUTTONDOWN;
    case InputSink::Pointer::kMove:
      return WM_MOUSEMOVE;
    case InputSink::Pointer::kUp:
      return WM_LBUTTONUP;
  }
  return WM_NULL;
}

}  // namespace

HWND WindowManager::HitTest(HWND hwnd, int x, int y, POINT origin, POINT& client) const {
  if (!hwnd->visible_) return nullptr;
  const RECT screen_rect = OffsetRect(hwnd->rect_, origin.x, origin.y);
  if (!PtInRect(screen_rect, POINT{x, y})) return nullptr;
  const POINT inner{screen_rect.left, screen_rect.top};
  for (auto it = hwnd->children_.rbegin(); it != hwnd->children_.rend(); ++it) {
    if (HWND hit = HitTest(*it, x, y, inner, client)) return hit;
  }
  client = POINT{x - inner.x, y - inner.y};
  return hwnd;
}

HWND WindowManager::WindowAt(int x, int y, POINT& client) const {
  if (modal_) return HitTest(modal_, x, y, POINT{}, client);
  for (auto it = top_level_.rbegin(); it != top_level_.rend(); ++it) {
    if (HWND hit = HitTest(*it, x, y, POINT{}, client)) return hit;
  }
  return nullptr;
}

void WindowManager::OnPointer(Pointer kind, int x, int y) {
  HWND target = nullptr;
  POINT client{};
  if (IsWindow(capture_)) {
    target = capture_;
    const POINT origin = ScreenOrigin(target);
    client = POINT{x - origin.x, y - origin.y};
  } else {
    target = WindowAt(x, y, client);
  }
  // The old platform sends moves only while the pen is down; hovering is not a thing here.
  if (!target) return;
  PostMessage(target, PointerMessage(kind), 0, MakePointParam(client.x, client.y));
}

HWND WindowManager::KeyTarget() const {
  if (modal_) return modal_;
  if (IsWindow(focus_)) return focus_;
  return foreground_;
}

void WindowManager::OnKey(uint32_t virtual_key) {
  if (HWND target = KeyTarget()) PostMessage(target, WM_KEYDOWN, virtual_key, 1);
}

void WindowManager::OnChar(char16_t unit) {
  if (HWND target = KeyTarget()) PostMessage(target, WM_CHAR, unit, 1);
}

void WindowManager::OnActivate(bool active) {
  if (active == active_) return;
  active_ = active;
  HWND front = foreground_;
  if (!IsWindow(front)) return;
  if (active) {
    front->Call(WM_ACTIVATE, WA_ACTIVE, 0);
    if (!focus_ && IsWindow(front)) SetFocus(front);
  } else {
    front->Call(WM_ACTIVATE, WA_INACTIVE, 0);
    SetFocus(nullptr);
  }
}

void WindowManager::OnCloseRequest() {
  if (HWND main = MainWindow()) {
    PostMessage(main, WM_CLOSE, 0, 0);
  } else {
    PostQuitMessage(0);
  }
}

HWND WindowManager::SetFocus(HWND hwnd) {
  if (hwnd && !IsWindow(hwnd)) return focus_;
  HWND old = IsWindow(focus_) ? focus_ : nullptr;
  if (old == hwnd) return old;
  focus_ = hwnd;
  if (old) old->Call(WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
  if (hwnd && focus_ == hwnd) hwnd->Call(WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
  return old;
}

bool WindowManager::SetForegroundWindow(HWND hwnd) {
  hwnd = RootOf(hwnd);
  if (!IsWindow(hwnd)) return false;
  if (!hwnd->visible_) {
    hwnd->visible_ = true;
    hwnd->dirty_ = hwnd->ClientRect();
  }
  RemoveFromZOrder(hwnd);
  top_level_.push_back(hwnd);
  MarkStale();
  HWND old = IsWindow(foreground_) ? foreground_ : nullptr;
  if (old == hwnd) return true;
  foreground_ = hwnd;
  if (old) old->Call(WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(hwnd));
  if (foreground_ != hwnd || !IsWindow(hwnd)) return true;
  hwnd->Call(WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(old));
  if (IsWindow(hwnd) && (!focus_ || RootOf(focus_) != hwnd)) SetFocus(hwnd);
  return true;
}

void WindowManager::BringToFront(HWND hwnd) {
  hwnd = RootOf(hwnd);
  if (!IsWindow(hwnd)) return;
  if (hwnd != foreground_ || !hwnd->visible_) {
    active_ = true;  // the activation below is the one that counts
    SetForegroundWindow(hwnd);
  } else {
    OnActivate(true);
  }
}

}  // namespace platform::ui
