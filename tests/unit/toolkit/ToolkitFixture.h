// A headless window manager on the virtual clock with one real window that hosts a control
// the way the main window does: WM_PAINT paints the control into the window's surface, pen
// and key messages go to its operations (the rectangle they return is invalidated), every
// pen-up is followed by OnPenReleased, and WM_TIMER goes to OnTimer.
//
// Input helpers send the messages synchronously; Advance moves the clock and runs every
// timer that falls due on the way, one due time after the other, painting in between.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Surface.h"
#include "platform/ui/WindowApi.h"
#include "theme/SettingManager.h"
#include "toolkit/Action.h"
#include "toolkit/IListItem.h"
#include "toolkit/LightControl.h"

// Pixels of two surfaces that differ inside `area`.
inline int CountDifferentPixels(const platform::Surface& a, const platform::Surface& b,
                                const RECT& area) {
  int differing = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (a.GetPixel(x, y) != b.GetPixel(x, y)) ++differing;
    }
  }
  return differing;
}

// A list row for tests: a solid colour picked from its number with a dark line on its top
// edge (so that a row drawn a pixel off shows), inverted when selected. It counts draws,
// clicks and where it was drawn last.
class TestRow : public IListItem {
 public:
  TestRow(int number, int32_t row_height) : IListItem(row_height), number(number) {}

  bool Draw(platform::Surface& surface, const RECT& row, bool selected) override {
    ++draws;
    last_drawn = row;
    COLORREF color = RGB(static_cast<uint8_t>(40 + number * 37 % 200),
                         static_cast<uint8_t>(60 + number * 91 % 180),
                         static_cast<uint8_t>(20 + number * 53 % 220));
    if (selected) color = ~color & 0x00FFFFFF;
    surface.FillRect(row, color);
    surface.FillRect(RECT{row.left, row.top, row.right, row.top + 1}, RGB(0, 0, 0));
    return true;
  }
  void OnClick(SmartListControl&) override { ++clicks; }
  char16_t GetIndexChar() const override { return static_cast<char16_t>(u'A' + number % 26); }

  int number;
  int draws = 0;
  int clicks = 0;
  RECT last_drawn{};
};

// An action that runs a function (for instance one counting its runs).
class CallbackAction : public Action {
 public:
  explicit CallbackAction(std::function<void()> run) : run_(std::move(run)) {}
  void Execute() override { run_(); }

 private:
  std::function<void()> run_;
};

class ToolkitFixture : public ::testing::Test {
 protected:
  static constexpr uint32_t kStartTick = 100000;

  // A window of `width` x `height` client pixels at the screen's top-left.
  void CreateHost(int width = 240, int height = 320) {
    platform::Clock::UseVirtual(kStartTick);
    manager_ = std::make_unique<platform::ui::WindowManager>(
        platform::ui::WindowManagerOptions{width, height});
    hwnd_ = manager_->CreateWindow(
        u"ToolkitHost", u"host", RECT{0, 0, width, height}, true, nullptr,
        [this](platform::ui::HWND h, UINT m, WPARAM w, LPARAM l) { return Proc(h, m, w, l); });
    manager_->PumpUntilIdle();
  }

  // Every test starts and ends on the theme's defaults.
  void SetUp() override {
    theme::Settings().ResetToDefaults();
    CreateHost();
  }

  void TearDown() override {
    control_ = nullptr;
    LightControl::DrainDeferredDeletions();
    if (manager_) manager_->PumpUntilIdle();
    theme::Settings().ResetToDefaults();
  }

  // The control that receives the window's paint, input and timers (not owned).
  void Host(LightControl* control) { control_ = control; }

  platform::ui::HWND hwnd() const { return hwnd_; }
  platform::ui::WindowManager& manager() { return *manager_; }
  platform::Surface& WindowSurface() { return manager_->GetDC(hwnd_); }

  // ---- Input ----
  void PenDown(int x, int y) { Send(WM_LBUTTONDOWN, x, y); }
  void PenMove(int x, int y) { Send(WM_MOUSEMOVE, x, y); }
  void PenUp(int x, int y) { Send(WM_LBUTTONUP, x, y); }
  void Tap(int x, int y) {
    PenDown(x, y);
    PenUp(x, y);
  }
  void Key(uint32_t virtual_key) { platform::ui::SendMessage(hwnd_, WM_KEYDOWN, virtual_key, 0); }
  // Pen-down at `from`, `steps` moves of `ms_per_step` each to `to`, no pen-up.
  void Drag(int x, int from_y, int to_y, int steps, uint32_t ms_per_step) {
    PenDown(x, from_y);
    for (int i = 1; i <= steps; ++i) {
      Advance(ms_per_step);
      PenMove(x, from_y + (to_y - from_y) * i / steps);
    }
  }

  // ---- Time ----
  // Moves the virtual clock by `ms`, running each timer at its due time, then paints.
  void Advance(uint32_t ms) {
    manager_->PumpUntilIdle();
    while (ms > 0) {
      const std::optional<uint32_t> next = manager_->TimeToNextTimer();
      const uint32_t step = next && *next > 0 && *next < ms ? *next : ms;
      platform::Clock::Advance(step);
      ms -= step;
      manager_->PumpUntilIdle();
    }
  }
  // Runs whatever is queued (messages, paints, due timers) without moving the clock.
  void Pump() { manager_->PumpUntilIdle(); }

  // Paints the whole window now (through WM_PAINT).
  void PaintAll() {
    platform::ui::InvalidateRect(hwnd_, nullptr);
    manager_->PumpUntilIdle();
  }

  // Rectangles the control's paint was asked to cover since the last call.
  std::vector<RECT> TakePaints() {
    std::vector<RECT> out;
    out.swap(paints_);
    return out;
  }

 private:
  void Send(UINT message, int x, int y) {
    const auto packed = static_cast<LPARAM>((static_cast<uint32_t>(y) & 0xFFFF) << 16 |
                                            (static_cast<uint32_t>(x) & 0xFFFF));
    platform::ui::SendMessage(hwnd_, message, 0, packed);
  }

  void InvalidateResult(const RECT& r) {
    if (r.right != 0) platform::ui::InvalidateRect(hwnd_, &r);
  }

  LRESULT Proc(platform::ui::HWND h, UINT message, WPARAM wparam, LPARAM lparam) {
    const int x = platform::ui::GetXParam(lparam);
    const int y = platform::ui::GetYParam(lparam);
    switch (message) {
      case WM_PAINT: {
        platform::ui::PAINTSTRUCT ps;
        platform::Surface* surface = platform::ui::BeginPaint(h, ps);
        if (surface != nullptr && control_ != nullptr && control_->visible) {
          paints_.push_back(ps.rcPaint);
          control_->Paint(*surface, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right,
                          ps.rcPaint.bottom);
        }
        platform::ui::EndPaint(h, ps);
        return 0;
      }
      case WM_LBUTTONDOWN:
        if (control_) InvalidateResult(control_->OnPenDown(x, y));
        return 0;
      case WM_MOUSEMOVE:
        if (control_) InvalidateResult(control_->OnPenMove(x, y));
        return 0;
      case WM_LBUTTONUP:
        if (control_) {
          InvalidateResult(control_->OnPenUp(x, y));
          if (control_) control_->OnPenReleased(x, y);
        }
        return 0;
      case WM_KEYDOWN:
        if (control_) InvalidateResult(control_->OnKey(static_cast<uint32_t>(wparam), 0));
        return 0;
      case WM_CHAR:
        if (control_) InvalidateResult(control_->OnKey(0, static_cast<char16_t>(wparam)));
        return 0;
      case WM_TIMER:
        if (control_) control_->OnTimer(static_cast<uintptr_t>(wparam));
        return 0;
      default:
        return platform::ui::DefWindowProc(h, message, wparam, lparam);
    }
  }

  std::unique_ptr<platform::ui::WindowManager> manager_;
  platform::ui::HWND hwnd_ = nullptr;
  LightControl* control_ = nullptr;
  std::vector<RECT> paints_;
};

// A fixture whose window hosts one list of type `List` filled with numbered test rows.
template <typename List>
class HostedListFixture : public ToolkitFixture {
 protected:
  // A list over `rect` (the whole 240x320 window by default) with `count` rows of
  // `row_height` px, painted once. A second call replaces the list and its rows.
  void Fill(int count, int32_t row_height, const RECT& rect = RECT{0, 0, 240, 320}) {
    list_ = std::make_unique<List>(hwnd(), rect);
    rows_.clear();
    for (int i = 0; i < count; ++i) {
      rows_.push_back(
          static_cast<TestRow*>(list_->AddItem(std::make_unique<TestRow>(i, row_height))));
    }
    Host(list_.get());
    PaintAll();
  }
  void TearDown() override {
    Host(nullptr);
    list_.reset();
    ToolkitFixture::TearDown();
  }

  // The sum of one counter over all rows, e.g. Total(&TestRow::clicks).
  int Total(int TestRow::*counter) const {
    int sum = 0;
    for (const TestRow* row : rows_) sum += row->*counter;
    return sum;
  }

  std::unique_ptr<List> list_;
  std::vector<TestRow*> rows_;
};
