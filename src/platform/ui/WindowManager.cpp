// Window lifetime, the message queue and the loop of the window manager. Input translation is
// in WindowManagerInput.cpp, geometry and screen composition in WindowManagerScreen.cpp.
#include "platform/ui/WindowManager.h"

#include <algorithm>
#include <cassert>

#include "platform/Clock.h"
#include "platform/DebugChannel.h"
#include "platform/ui/MessageBoxWindow.h"

namespace platform::ui {

namespace {

std::atomic<WindowManager*> g_current{nullptr};

}  // namespace

WindowManager::WindowManager(const WindowManagerOptions& options, std::unique_ptr<Display> display)
    : ui_thread_(std::this_thread::get_id()),
      screen_width_(std::clamp(options.screen_width, 16, 4096)),
      screen_height_(std::clamp(options.screen_height, 16, 4096)),
      display_(display ? std::move(display) : CreateHeadlessDisplay()),
      debug_repaint_(DebugChannelOn("repaint")),
      debug_frames_(DebugChannelOn("frames")) {
  queue_.SetWakeCallback([this] { display_->Wake(); });
  g_current.store(this, std::memory_order_release);
}

WindowManager::~WindowManager() {
  WindowManager* self = this;
  g_current.compare_exchange_strong(self, nullptr, std::memory_order_acq_rel);
}

WindowManager* WindowManager::Current() {
  return g_current.load(std::memory_order_acquire);
}

Window* WindowManager::Resolve(HWND hwnd) const {
  return hwnd && !hwnd->IsDestroyed() ? hwnd : nullptr;
}

bool WindowManager::IsWindow(HWND hwnd) const {
  if (!hwnd) return false;
  for (const auto& window : windows_) {
    if (window.get() == hwnd) return !hwnd->IsDestroyed();
  }
  return false;
}

HWND WindowManager::CreateWindow(std::u16string class_name, std::u16string title,
                                 std::optional<RECT> rect, bool visible, HWND parent,
                                 WindowProc proc, uint32_t style, uint32_t ex_style) {
  if (parent && !IsWindow(parent)) return nullptr;
  auto window =
      std::make_unique<Window>(std::move(class_name), std::move(title), parent, std::move(proc));
  HWND hwnd = window.get();
  hwnd->style_ = style;
  hwnd->ex_style_ = ex_style;
  hwnd->rect_ = rect ? *rect : (parent ? RECT{} : WorkArea());
  windows_.push_back(std::move(window));
  if (parent) {
    parent->children_.push_back(hwnd);
  } else {
    top_level_.push_back(hwnd);
  }
  hwnd->Call(WM_CREATE, 0, 0);
  if (visible && IsWindow(hwnd)) ShowWindow(hwnd, SW_SHOW);
  return hwnd;
}

void WindowManager::DestroyWindow(HWND hwnd) {
  if (!IsWindow(hwnd)) return;
  hwnd->Call(WM_DESTROY, 0, 0);
  for (HWND child : std::vector<HWND>(hwnd->children_)) DestroyWindow(child);
  hwnd->destroyed_ = true;
  hwnd->visible_ = false;
  hwnd->backing_.reset();
  // The class's code may still be running for this window (it destroyed itself): its data
  // lives until the loop comes round again.
  if (hwnd->class_data_) retired_class_data_.push_back(std::move(hwnd->class_data_));
  timers_.KillAll(hwnd);
  if (capture_ == hwnd) capture_ = nullptr;
  if (focus_ == hwnd) focus_ = nullptr;
  if (modal_ == hwnd) modal_ = nullptr;
  if (hwnd->parent_) {
    std::erase(hwnd->parent_->children_, hwnd);
  } else {
    RemoveFromZOrder(hwnd);
  }
  if (foreground_ == hwnd) {
    foreground_ = nullptr;
    for (auto it = top_level_.rbegin(); it != top_level_.rend(); ++it) {
      if ((*it)->visible_ && !(*it)->IsNoActivate()) {
        SetForegroundWindow(*it);
        break;
      }
    }
  }
  MarkStale();
}

void WindowManager::RemoveFromZOrder(HWND hwnd) {
  std::erase(top_level_, hwnd);
}

HWND WindowManager::FindWindow(std::u16string_view class_name, std::u16string_view title) const {
  for (HWND hwnd : top_level_) {
    if (hwnd->class_name_ == class_name && hwnd->title_ == title) return hwnd;
  }
  return nullptr;
}

HWND WindowManager::FindWindowOfClass(std::u16string_view class_name) const {
  for (HWND hwnd : top_level_) {
    if (hwnd->class_name_ == class_name) return hwnd;
  }
  return nullptr;
}

HWND WindowManager::MainWindow() const {
  for (const auto& window : windows_) {
    if (!window->destroyed_ && !window->parent_ && window.get() != modal_ &&
        !window->IsNoActivate()) {
      return window.get();
    }
  }
  return nullptr;
}

bool WindowManager::IsChild(HWND parent, HWND hwnd) const {
  if (!IsWindow(parent) || !IsWindow(hwnd)) return false;
  for (HWND up = hwnd->parent_; up; up = up->parent_) {
    if (up == parent) return true;
  }
  return false;
}

HWND WindowManager::RootOf(HWND hwnd) const {
  while (hwnd && hwnd->parent_) hwnd = hwnd->parent_;
  return hwnd;
}

void WindowManager::PostMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  queue_.Post(MSG{hwnd, message, wparam, lparam});
}

void WindowManager::PostTask(std::function<void()> task) {
  queue_.PostTask(std::move(task));
}

LRESULT WindowManager::SendMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  assert(std::this_thread::get_id() == ui_thread_);
  if (!IsWindow(hwnd)) return 0;
  return hwnd->Call(message, wparam, lparam);
}

void WindowManager::PostQuitMessage(int exit_code) {
  queue_.Post(MSG{nullptr, WM_QUIT, static_cast<WPARAM>(exit_code), 0});
}

size_t WindowManager::FlushKeyMessages(HWND hwnd) {
  return queue_.Remove([hwnd](const MSG& msg) {
    return (msg.message == WM_KEYDOWN || msg.message == WM_CHAR) && (!hwnd || msg.hwnd == hwnd);
  });
}

void WindowManager::SetTimer(HWND hwnd, uintptr_t id, uint32_t interval_ms) {
  if (IsWindow(hwnd)) timers_.Set(hwnd, id, interval_ms, Clock::TickCount());
}

bool WindowManager::KillTimer(HWND hwnd, uintptr_t id) {
  return timers_.Kill(hwnd, id);
}

std::optional<uint32_t> WindowManager::TimeToNextTimer() const {
  return timers_.TimeToNext(Clock::TickCount());
}

void WindowManager::UpdateWindow(HWND hwnd) {
  if (!IsWindow(hwnd) || IsRectEmpty(hwnd->dirty_) || !hwnd->visible_) return;
  DispatchMessage(MSG{hwnd, WM_PAINT, 0, 0});
}

bool WindowManager::TakeDirtyWindow(MSG& msg) {
  for (const auto& window : windows_) {
    Window* w = window.get();
    if (w->destroyed_ || IsRectEmpty(w->dirty_)) continue;
    if (!w->visible_ || (w->parent_ && !w->parent_->visible_)) continue;
    msg = MSG{w, WM_PAINT, 0, 0};
    return true;
  }
  return false;
}

// One non-blocking step of the loop: true with the next message, false when idle.
bool WindowManager::PeekNext(MSG& msg) {
  for (;;) {
    if (modal_depth_ == 0) {
      retired_class_data_.clear();
      for (size_t i = 0; i < loop_hooks_.size(); ++i) loop_hooks_[i]();
    }
    display_->PollEvents(*this);
    if (auto item = queue_.TryTake()) {
      if (item->task) {
        item->task();
        continue;
      }
      msg = item->msg;
      if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) {
        keys_handled_.Set(static_cast<uint32_t>(msg.wParam), msg.message == WM_KEYDOWN);
      }
      return true;
    }
    if (TakeDirtyWindow(msg)) return true;
    if (auto due = timers_.TakeDue(Clock::TickCount())) {
      msg = MSG{due->hwnd, WM_TIMER, due->id, 0};
      return true;
    }
    return false;
  }
}

std::optional<uint32_t> WindowManager::WaitTimeout() const {
  // The virtual clock moves only when told to, so a timer can never come due while asleep.
  if (Clock::IsVirtual()) return std::nullopt;
  return TimeToNextTimer();
}

void WindowManager::SetTextFocus(HWND hwnd, bool focused) {
  if (focused) {
    text_focus_ = hwnd;
  } else if (text_focus_ == hwnd) {
    text_focus_ = nullptr;
  }
}

bool WindowManager::DesktopTextInputWanted() const {
  const bool keyboard_shown = IsWindow(keyboard_window_) && keyboard_window_->visible_;
  return text_focus_ && text_focus_ == focus_ && IsWindow(text_focus_) && !keyboard_shown;
}

bool WindowManager::GetMessage(MSG& msg) {
  for (;;) {
    if (PeekNext(msg)) return msg.message != WM_QUIT;
    Screen();
    // Told when idle, so that focus moving between boxes does not flicker the desktop's
    // keyboard.
    if (const bool wanted = DesktopTextInputWanted(); text_input_wanted_ != wanted) {
      text_input_wanted_ = wanted;
      display_->SetTextInputWanted(wanted);
    }
    if (input_source_ && input_source_->Feed(*this)) continue;
    display_->Wait(WaitTimeout());
    if (debug_frames_) frame_started_ = std::chrono::steady_clock::now();
  }
}

bool WindowManager::PumpUntilIdle() {
  if (!DispatchUntilIdle()) return false;
  Screen();
  return true;
}

bool WindowManager::DispatchUntilIdle() {
  MSG msg;
  while (PeekNext(msg)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    DispatchMessage(msg);
  }
  return true;
}

LRESULT WindowManager::DispatchMessage(const MSG& msg) {
  if (!IsWindow(msg.hwnd)) return 0;
  if (msg.message != WM_PAINT) return msg.hwnd->Call(msg.message, msg.wParam, msg.lParam);
  painted_ = false;
  LRESULT result = msg.hwnd->Call(WM_PAINT, msg.wParam, msg.lParam);
  // A procedure that does not paint must not make the loop spin on the same WM_PAINT.
  if (!painted_ && IsWindow(msg.hwnd)) msg.hwnd->dirty_ = RECT{};
  return result;
}

int WindowManager::MessageBox(HWND owner, std::u16string_view text, std::u16string_view caption,
                              uint32_t type) {
  (void)owner;  // the box is modal for the whole screen, whoever owns it
  MessageBoxWindow box(*this, std::u16string(text), std::u16string(caption), type);
  RunModal(box.Handle(), [&box] { return box.Result() != 0; });
  return box.Result() != 0 ? box.Result() : box.DefaultResult();
}

bool WindowManager::RunModal(HWND window, const std::function<bool()>& done,
                             const std::function<bool(const MSG&)>& filter) {
  HWND previous_modal = modal_;
  capture_ = nullptr;
  modal_ = window;
  ShowWindow(modal_, SW_SHOW);
  ++modal_depth_;
  bool finished = true;
  MSG msg;
  while (!done()) {
    if (!GetMessage(msg)) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // let the outer loop end too
      finished = false;
      break;
    }
    if (filter && filter(msg)) continue;
    DispatchMessage(msg);
  }
  --modal_depth_;
  modal_ = previous_modal;
  MarkStale();
  return finished;
}

}  // namespace platform::ui
