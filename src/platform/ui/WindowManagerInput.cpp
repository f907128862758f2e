// Input translation, focus and activation. Pointer input goes to the capture window, else to
// the modal window (or a top-most window opened above it), else to the topmost visible window
// under the point (children before their parent), with client coordinates packed as two
// signed 16-bit values in lParam. Keys and characters go to the modal window's focused child
// or the modal window, else the focus window, else the foreground window.
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
  if (modal_) {
    // Windows above the modal one: those opened above it and input panels (AboveModal).
    for (auto it = top_level_.rbegin(); it != top_level_.rend(); ++it) {
      if (!AboveModal(*it)) continue;
      if (HWND hit = HitTest(*it, x, y, POINT{}, client)) return hit;
    }
    return HitTest(modal_, x, y, POINT{}, client);
  }
  // Top-most windows (keyboards, pop-up menus) first, then the others, each top to bottom.
  for (bool topmost : {true, false}) {
    for (auto it = top_level_.rbegin(); it != top_level_.rend(); ++it) {
      if ((*it)->IsTopmost() != topmost) continue;
      if (HWND hit = HitTest(*it, x, y, POINT{}, client)) return hit;
    }
  }
  return nullptr;
}

bool WindowManager::TapTaskBar(Pointer kind, int x, int y) {
  if (!TaskBarButtonVisible() || !PtInRect(TaskBarButtonRect(), POINT{x, y})) return false;
  if (kind == Pointer::kDown && task_bar_button_.tap) {
    // Copy: the tap may replace the button.
    auto tap = task_bar_button_.tap;
    tap();
    MarkStale();
  }
  return true;
}

void WindowManager::OnPointer(Pointer kind, int x, int y) {
  HWND target = nullptr;
  POINT client{};
  if (!modal_ && !IsWindow(capture_) && TapTaskBar(kind, x, y)) return;
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

bool WindowManager::AboveModal(HWND hwnd) const {
  if (!modal_ || !hwnd->IsTopmost() || !hwnd->visible_) return false;
  // An input panel (top-most, never activated) serves whatever window has the keys, so a
  // touch-only user can type into a modal window too.
  if (hwnd->IsNoActivate() && hwnd != modal_) return true;
  auto modal = std::find(top_level_.begin(), top_level_.end(), modal_);
  return std::find(modal, top_level_.end(), hwnd) != top_level_.end() && hwnd != modal_;
}

HWND WindowManager::KeyTarget() const {
  if (modal_) {
    return IsWindow(focus_) && (focus_ == modal_ || IsChild(modal_, focus_)) ? focus_ : modal_;
  }
  if (IsWindow(focus_)) return focus_;
  return foreground_;
}

void WindowManager::Modifiers::Set(uint32_t virtual_key, bool down) {
  if (virtual_key == VK_SHIFT) shift = down;
  if (virtual_key == VK_CONTROL) control = down;
}

void WindowManager::OnKey(uint32_t virtual_key) {
  keys_input_.Set(virtual_key, true);
  if (HWND target = KeyTarget()) {
    PostMessage(target, WM_KEYDOWN, virtual_key, 1);
  } else {
    keys_handled_.Set(virtual_key, true);
  }
}

void WindowManager::OnKeyUp(uint32_t virtual_key) {
  keys_input_.Set(virtual_key, false);
  if (HWND target = KeyTarget()) {
    PostMessage(target, WM_KEYUP, virtual_key, LPARAM{1} << 31);
  } else {
    keys_handled_.Set(virtual_key, false);
  }
}

bool WindowManager::IsKeyDown(uint32_t virtual_key) const {
  if (virtual_key == VK_SHIFT) return keys_handled_.shift;
  if (virtual_key == VK_CONTROL) return keys_handled_.control;
  return false;
}

bool WindowManager::IsKeyDownNow(uint32_t virtual_key) const {
  if (virtual_key == VK_SHIFT) return keys_input_.shift;
  if (virtual_key == VK_CONTROL) return keys_input_.control;
  return false;
}

void WindowManager::OnChar(char16_t unit) {
  if (HWND target = KeyTarget()) PostMessage(target, WM_CHAR, unit, 1);
}

void WindowManager::OnComposition(std::u16string_view text, int cursor) {
  // A composition is outside input: bounded, and its cursor kept inside it.
  composition_.assign(text.substr(0, kMaxCompositionUnits));
  composition_cursor_ = std::clamp(cursor, 0, static_cast<int>(composition_.size()));
  const UINT message = composition_.empty() ? WM_IME_ENDCOMPOSITION : WM_IME_COMPOSITION;
  if (HWND target = KeyTarget()) PostMessage(target, message, 0, 0);
}

void WindowManager::SetTextInputRect(const RECT& screen_rect) {
  display_->SetTextInputRect(screen_rect);
}

bool WindowManager::SetDesktopClipboard(std::u16string_view text) {
  return display_->SetClipboardText(text);
}

std::optional<std::u16string> WindowManager::DesktopClipboard() {
  return display_->ClipboardText();
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
    // Keys held when the focus leaves never come up here.
    keys_handled_ = keys_input_ = Modifiers{};
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
  if (!IsWindow(hwnd) || hwnd->IsNoActivate()) return false;
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
  // A later start or an arriving SMS brings the desktop window forward too, with the keyboard.
  display_->Raise();
  if (hwnd != foreground_ || !hwnd->visible_) {
    active_ = true;  // the activation below is the one that counts
    SetForegroundWindow(hwnd);
  } else {
    OnActivate(true);
  }
}

}  // namespace platform::ui
