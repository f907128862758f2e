// Pointer and timer dispatch of the main window, painting through the back buffer and the
// repaint message.
#include <algorithm>

#include "../toolkit/RecordingControl.h"
#include "ShellFixture.h"

namespace {

namespace ui = platform::ui;

class DispatchTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    // Loaded first: the loading thread's repaint posts must not reach the recording controls.
    StartLoaded();
    // Replace the screens by recording controls for the walks.
    app().panels.clear();
    for (const char* name : {"a", "b", "c"}) {
      auto control = std::make_unique<RecordingControl>(name, &log_);
      controls_.push_back(control.get());
      app().panels.push_back(control.get());
      app().owned_panels.push_back(std::move(control));
    }
    manager_->PumpUntilIdle();
    log_.clear();
  }

  size_t Count(const std::string& entry) const {
    return static_cast<size_t>(std::count(log_.begin(), log_.end(), entry));
  }

  std::vector<std::string> log_;
  std::vector<RecordingControl*> controls_;
};

TEST_F(DispatchTest, PenDownSkipsHiddenControlsStopsAtTheFirstConsumerAndRepaints) {
  controls_[0]->visible = false;
  controls_[0]->down = RECT{0, 0, 5, 5};
  controls_[1]->down = RECT{0, 0, 50, 50};
  controls_[2]->down = RECT{0, 0, 240, 320};
  Pen(WM_LBUTTONDOWN, 10, 10);
  EXPECT_EQ(Count("a.Down"), 0u);
  EXPECT_EQ(Count("b.Down"), 1u);
  EXPECT_EQ(Count("c.Down"), 0u);
  EXPECT_EQ(Count("c.Paint"), 1u);  // the invalidated area was painted
  EXPECT_EQ(manager_->GetCapture(), hwnd_);
}

TEST_F(DispatchTest, OnlyConsumedOrReleasedRectanglesAreRepainted) {
  Pen(WM_LBUTTONDOWN, 10, 10);
  Pen(WM_MOUSEMOVE, 12, 10);
  EXPECT_EQ(Count("c.Down"), 1u);
  EXPECT_EQ(Count("c.Move"), 1u);
  EXPECT_EQ(Count("a.Paint") + Count("b.Paint") + Count("c.Paint"), 0u);
  controls_[1]->released = RECT{0, 0, 10, 10};
  Pen(WM_LBUTTONUP, 1, 1);
  EXPECT_EQ(Count("a.Paint"), 1u);
}

TEST_F(DispatchTest, PenUpReleasesCaptureThenNotifiesEveryVisibleControl) {
  controls_[0]->up = RECT{0, 0, 10, 10};
  controls_[2]->visible = false;
  Pen(WM_LBUTTONDOWN, 1, 1);
  Pen(WM_LBUTTONUP, 1, 1);
  EXPECT_EQ(manager_->GetCapture(), nullptr);
  EXPECT_EQ(Count("a.Up"), 1u);
  EXPECT_EQ(Count("b.Up"), 0u);
  EXPECT_EQ(Count("a.Released"), 1u);
  EXPECT_EQ(Count("b.Released"), 1u);
  EXPECT_EQ(Count("c.Released"), 0u);
}

// A control that changes the panel list from inside its handler.
class ListChanger : public LightControl {
 public:
  ListChanger(std::function<void()> change) : LightControl(RECT{}), change_(std::move(change)) {}
  RECT OnPenDown(int, int) override {
    change_();
    return kEmptyRect;
  }

 private:
  std::function<void()> change_;
};

TEST_F(DispatchTest, TheListIsReReadAfterEveryCall) {
  auto appended = std::make_unique<RecordingControl>("new", &log_);
  RecordingControl* fresh = appended.get();
  app().owned_panels.push_back(std::move(appended));
  auto changer = std::make_unique<ListChanger>([&] { app().panels.push_back(fresh); });
  app().panels.insert(app().panels.begin(), changer.get());
  app().owned_panels.push_back(std::move(changer));
  Pen(WM_LBUTTONDOWN, 1, 1);
  EXPECT_EQ(Count("new.Down"), 1u);
}

TEST_F(DispatchTest, EmptyingTheListDuringAWalkEndsIt) {
  auto changer = std::make_unique<ListChanger>([&] { app().panels.clear(); });
  app().panels.insert(app().panels.begin(), changer.get());
  app().owned_panels.push_back(std::move(changer));
  Pen(WM_LBUTTONDOWN, 1, 1);
  EXPECT_EQ(Count("a.Down"), 0u);
}

TEST_F(DispatchTest, TimersStopAtTheirOwner) {
  controls_[1]->timer_id = 77;
  controls_[2]->timer_id = 77;
  ui::SetTimer(hwnd_, 77, 100);
  platform::Clock::Advance(100);
  manager_->PumpUntilIdle();
  EXPECT_EQ(Count("a.Timer"), 1u);
  EXPECT_EQ(Count("b.Timer"), 1u);
  EXPECT_EQ(Count("c.Timer"), 0u);
  ui::KillTimer(hwnd_, 77);
}

TEST_F(DispatchTest, PaintsLastToFirstThroughTheBackBuffer) {
  app().panels.clear();
  for (COLORREF colour : {RGB(255, 0, 0), RGB(0, 0, 255)}) {
    auto control = std::make_unique<ColourPanel>(colour);
    app().panels.push_back(control.get());
    app().owned_panels.push_back(std::move(control));
  }
  ui::InvalidateRect(hwnd_, nullptr);
  manager_->PumpUntilIdle();
  // The first panel is painted last, over the second.
  EXPECT_EQ(hwnd_->Backing().GetPixel(5, 5), RGB(255, 0, 0));
  EXPECT_EQ(app().back_buffer->GetPixel(5, 5), RGB(255, 0, 0));
  EXPECT_EQ(manager_->Screen().GetPixel(5, 5), RGB(255, 0, 0));
}

TEST_F(DispatchTest, RepaintMessageInvalidatesTheGivenAreaOrAll) {
  static const RECT kArea{10, 20, 30, 40};
  manager_->DispatchMessage(ui::MSG{hwnd_, kMsgRepaint, reinterpret_cast<WPARAM>(&kArea), 0});
  EXPECT_EQ(hwnd_->Dirty(), kArea);
  manager_->DispatchMessage(ui::MSG{hwnd_, kMsgRepaint, 0, 0});
  EXPECT_EQ(hwnd_->Dirty(), (RECT{0, 0, 240, 320}));
}

}  // namespace
