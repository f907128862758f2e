// Geometry, painting and composition of the phone screen: windows bottom to top with their
// children, the task bar strip on top when the foreground application is not full screen, and
// the repaint outline overlay of the debug channel.
#include <algorithm>
#include <cstdio>

#include "platform/Clock.h"
#include "platform/Text.h"
#include "platform/ui/WindowManager.h"

namespace platform::ui {

namespace {

constexpr COLORREF kDesktopColor = RGB(0, 0, 0);
constexpr COLORREF kTaskBarColor = RGB(24, 40, 72);
constexpr COLORREF kTaskBarTextColor = RGB(255, 255, 255);
constexpr COLORREF kRepaintOutlineColor = RGB(255, 0, 0);

LPARAM MakeSizeParam(int width, int height) {
  return static_cast<LPARAM>((static_cast<uint32_t>(height & 0xFFFF) << 16) |
                             static_cast<uint32_t>(width & 0xFFFF));
}

}  // namespace

RECT WindowManager::WorkArea() const {
  return RECT{0, kTaskBarHeight, screen_width_, screen_height_};
}

RECT WindowManager::GetWindowRect(HWND hwnd) const {
  if (!IsWindow(hwnd)) return RECT{};
  const POINT origin = ScreenOrigin(hwnd);
  return RECT{origin.x, origin.y, origin.x + RectWidth(hwnd->rect_),
              origin.y + RectHeight(hwnd->rect_)};
}

RECT WindowManager::GetClientRect(HWND hwnd) const {
  return IsWindow(hwnd) ? hwnd->ClientRect() : RECT{};
}

POINT WindowManager::ScreenOrigin(HWND hwnd) const {
  POINT origin{};
  for (HWND w = hwnd; w; w = w->parent_) {
    origin.x += w->rect_.left;
    origin.y += w->rect_.top;
  }
  return origin;
}

void WindowManager::MoveWindow(HWND hwnd, const RECT& rect, bool repaint) {
  if (!IsWindow(hwnd)) return;
  const RECT old = hwnd->rect_;
  RECT fixed = rect;
  fixed.right = std::max(fixed.left, fixed.right);
  fixed.bottom = std::max(fixed.top, fixed.bottom);
  hwnd->rect_ = fixed;
  MarkStale();
  const bool resized = RectWidth(old) != RectWidth(fixed) || RectHeight(old) != RectHeight(fixed);
  if (resized) {
    // The surface is recreated at the new size, so everything needs painting again.
    hwnd->dirty_ = hwnd->ClientRect();
    hwnd->Call(WM_SIZE, 0, MakeSizeParam(RectWidth(fixed), RectHeight(fixed)));
  } else if (repaint) {
    InvalidateRect(hwnd, nullptr);
  }
}

void WindowManager::ShowWindow(HWND hwnd, int command) {
  if (!IsWindow(hwnd)) return;
  const bool show = command != SW_HIDE && command != SW_MINIMIZE;
  const bool was_visible = hwnd->visible_;
  hwnd->visible_ = show;
  MarkStale();
  if (show && !was_visible) hwnd->dirty_ = hwnd->ClientRect();
  if (hwnd->parent_) {
    // Keys must not go on into a box nobody sees: its top-level window takes the focus.
    if (!show && focus_ && (focus_ == hwnd || IsChild(hwnd, focus_))) SetFocus(RootOf(hwnd));
    return;
  }
  if (hwnd->IsNoActivate()) return;
  if (show && !foreground_) {
    SetForegroundWindow(hwnd);
  } else if (!show && foreground_ == hwnd) {
    hwnd->Call(WM_ACTIVATE, WA_INACTIVE, 0);
    foreground_ = nullptr;
  }
}

int WindowManager::GetSystemMetrics(int index) const {
  switch (index) {
    case SM_CXSCREEN:
      return screen_width_;
    case SM_CYSCREEN:
      return screen_height_;
    case SM_CYMENU:
    case SM_CYCAPTION:
      return kTaskBarHeight;
    default:
      return 0;
  }
}

void WindowManager::Rotate() {
  SetScreenSize(screen_height_, screen_width_);
}

void WindowManager::OnScreenSize(int width, int height) {
  SetScreenSize(width, height);
}

void WindowManager::SetScreenSize(int width, int height) {
  width = std::clamp(width, 16, 4096);
  height = std::clamp(height, 16, 4096);
  if (width == screen_width_ && height == screen_height_) return;
  const RECT old_full = FullScreenRect();
  const RECT old_work = WorkArea();
  screen_width_ = width;
  screen_height_ = height;
  display_->Resize(screen_width_, screen_height_);
  screen_.reset();
  MarkStale();
  const std::vector<HWND> windows(top_level_);
  for (HWND hwnd : windows) {
    if (!IsWindow(hwnd)) continue;
    RECT target = hwnd->rect_;
    if (target == old_full) {
      target = FullScreenRect();
    } else if (target == old_work) {
      target = WorkArea();
    } else {
      target = IntersectRect(target, FullScreenRect());
    }
    MoveWindow(hwnd, target, true);
  }
  // Windows that place themselves (keyboards at the bottom edge) do it again now.
  const LPARAM size = MakeSizeParam(screen_width_, screen_height_);
  for (HWND hwnd : windows) {
    if (IsWindow(hwnd)) hwnd->Call(WM_DISPLAYCHANGE, 32, size);
  }
}

void WindowManager::SHFullScreen(HWND hwnd, uint32_t flags) {
  if (!IsWindow(hwnd)) return;
  if (flags & SHFS_HIDETASKBAR) hwnd->hides_task_bar_ = true;
  // The task bar comes back with all its buttons, the soft keyboard's among them.
  if (flags & SHFS_SHOWTASKBAR) hwnd->hides_task_bar_ = hwnd->hides_sip_button_ = false;
  if (flags & SHFS_HIDESIPBUTTON) hwnd->hides_sip_button_ = true;
  if (flags & SHFS_SHOWSIPBUTTON) hwnd->hides_sip_button_ = false;
  MarkStale();
}

bool WindowManager::TaskBarVisible() const {
  HWND front = foreground_;
  if (front == modal_ && modal_) front = MainWindow();
  return !front || !front->hides_task_bar_;
}

bool WindowManager::TaskBarButtonVisible() const {
  if (!task_bar_button_.tap || !TaskBarVisible()) return false;
  HWND front = foreground_;
  if (front == modal_ && modal_) front = MainWindow();
  return !front || !front->hides_sip_button_;
}

void WindowManager::SetTaskBarButton(TaskBarButton button) {
  task_bar_button_ = std::move(button);
  MarkStale();
}

RECT WindowManager::TaskBarButtonRect() const {
  // Left of the clock ("12:00 AM" at most, right-aligned).
  const int right = screen_width_ - 82;
  return RECT{right - kTaskBarButtonWidth, 2, right, kTaskBarHeight - 2};
}

void WindowManager::InvalidateRect(HWND hwnd, const RECT* rect) {
  if (!IsWindow(hwnd)) return;
  const RECT client = hwnd->ClientRect();
  const RECT area = rect ? IntersectRect(*rect, client) : client;
  hwnd->dirty_ = UnionRect(hwnd->dirty_, area);
}

Surface* WindowManager::BeginPaint(HWND hwnd, RECT& invalid) {
  if (!IsWindow(hwnd)) {
    invalid = RECT{};
    return nullptr;
  }
  painted_ = true;
  hwnd->painting_ = true;
  invalid = hwnd->dirty_;
  hwnd->dirty_ = RECT{};
  if (debug_repaint_) {
    const POINT origin = ScreenOrigin(hwnd);
    repainted_.push_back(OffsetRect(invalid, origin.x, origin.y));
  }
  return &hwnd->Backing();
}

void WindowManager::EndPaint(HWND hwnd) {
  if (IsWindow(hwnd)) hwnd->painting_ = false;
  MarkStale();
}

Surface& WindowManager::GetDC(HWND hwnd) {
  MarkStale();
  return hwnd->Backing();
}

void WindowManager::PresentFrame() {
  MarkStale();
  Screen();
  if (Clock::IsVirtual()) Clock::Advance(kFrameMs);
}

const Surface& WindowManager::Screen() {
  const int64_t minute = Clock::UnixSeconds() / 60;
  if (minute != clock_minute_) {
    clock_minute_ = minute;
    if (TaskBarVisible()) screen_stale_ = true;
  }
  if (!screen_ || screen_stale_) {
    Compose();
    display_->Present(*screen_);
    if (debug_frames_) TraceFrame();
  }
  return *screen_;
}

void WindowManager::TraceFrame() {
  const auto now = std::chrono::steady_clock::now();
  const double spent = std::chrono::duration<double, std::milli>(now - frame_started_).count();
  frame_started_ = now;
  std::fprintf(stderr, "quillbook: frame %.3f %.3f\n", Clock::TraceMs(), spent);
}

void WindowManager::Compose() {
  if (!screen_ || screen_->Width() != screen_width_ || screen_->Height() != screen_height_) {
    screen_ = std::make_unique<Surface>(screen_width_, screen_height_);
  }
  screen_->FillRect(FullScreenRect(), kDesktopColor);
  ComposeLayer(false);
  if (TaskBarVisible()) DrawTaskBar();
  ComposeLayer(true);
  if (modal_ && modal_->visible_) {
    ComposeWindow(modal_, POINT{});
    for (HWND hwnd : top_level_) {
      if (AboveModal(hwnd)) ComposeWindow(hwnd, POINT{});
    }
  }
  if (debug_repaint_) DrawRepaintOverlay();
  screen_stale_ = false;
}

void WindowManager::ComposeLayer(bool topmost) {
  for (HWND hwnd : top_level_) {
    if (hwnd->visible_ && hwnd != modal_ && hwnd->IsTopmost() == topmost && !AboveModal(hwnd)) {
      ComposeWindow(hwnd, POINT{});
    }
  }
}

void WindowManager::ComposeWindow(HWND hwnd, POINT origin) {
  const RECT& r = hwnd->rect_;
  const int x = origin.x + r.left;
  const int y = origin.y + r.top;
  if (RectWidth(r) > 0 && RectHeight(r) > 0) {
    Surface& backing = hwnd->Backing();
    screen_->BitBlt(x, y, backing.Width(), backing.Height(), backing, 0, 0);
  }
  for (HWND child : hwnd->children_) {
    if (child->visible_) ComposeWindow(child, POINT{x, y});
  }
}

void WindowManager::DrawTaskBar() {
  static const Font font(FontDescription{14, FW_BOLD, false, u"DejaVu Sans"});
  const RECT bar{0, 0, screen_width_, kTaskBarHeight};
  screen_->FillRect(bar, kTaskBarColor);
  RECT time_rect = InflateRect(bar, -4, 0);
  screen_->DrawText(FormatShortTime(Clock::UnixSeconds()), time_rect,
                    DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, font, kTaskBarTextColor);
  if (TaskBarButtonVisible()) DrawTaskBarButton();
  HWND main = MainWindow();
  if (!main) return;
  const int title_right =
      TaskBarButtonVisible() ? TaskBarButtonRect().left - 4 : screen_width_ - 60;
  RECT title_rect{4, 0, title_right, kTaskBarHeight};
  screen_->DrawText(main->title_, title_rect,
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS, font,
                    kTaskBarTextColor);
}

// A small keyboard: a key frame with three rows of dots, filled while the keyboard is shown.
void WindowManager::DrawTaskBarButton() {
  const RECT button = TaskBarButtonRect();
  const bool shown = task_bar_button_.shown && task_bar_button_.shown();
  screen_->RoundRect(button, 4, 4, kTaskBarTextColor, 1, shown ? RGB(90, 130, 200) : kTaskBarColor);
  const int left = button.left + 5;
  const int step = (RectWidth(button) - 10) / 5;
  for (int row = 0; row < 3; ++row) {
    const int y = button.top + 5 + row * 5;
    const int keys = row == 2 ? 1 : 6;
    for (int k = 0; k < keys; ++k) {
      const RECT key = row == 2 ? RECT{left + step, y, left + 4 * step + 2, y + 2}
                                : RECT{left + k * step, y, left + k * step + 2, y + 2};
      screen_->FillRect(key, kTaskBarTextColor);
    }
  }
}

void WindowManager::DrawRepaintOverlay() {
  for (const RECT& r : repainted_) {
    if (IsRectEmpty(r)) continue;
    screen_->FillRect(RECT{r.left, r.top, r.right, r.top + 1}, kRepaintOutlineColor);
    screen_->FillRect(RECT{r.left, r.bottom - 1, r.right, r.bottom}, kRepaintOutlineColor);
    screen_->FillRect(RECT{r.left, r.top, r.left + 1, r.bottom}, kRepaintOutlineColor);
    screen_->FillRect(RECT{r.right - 1, r.top, r.right, r.bottom}, kRepaintOutlineColor);
  }
  repainted_.clear();
}

}  // namespace platform::ui
