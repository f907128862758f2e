// Animations of one list or control and their blocking runners, on the virtual clock (each
// presented frame takes one frame time): list scrolls, growing rows, the vertical slide of a
// pop-up and of the pop-up panel, and the fade.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "RecordingControl.h"
#include "ToolkitFixture.h"
#include "toolkit/AnimationHost.h"
#include "toolkit/AnimationRunners.h"
#include "toolkit/BorderPanel.h"
#include "toolkit/FadeScreen.h"
#include "toolkit/ItemHeightAnimation.h"
#include "toolkit/ListAnimation.h"
#include "toolkit/SmartListControl.h"
#include "toolkit/VerticalSlideAnimation.h"

namespace {

// A control that fills its rect with one colour.
class SolidControl : public LightControl {
 public:
  SolidControl(const RECT& r, COLORREF colour) : LightControl(r), colour_(colour) {}
  bool Paint(platform::Surface& dc, int, int, int, int) override {
    dc.FillRect(rect, colour_);
    return true;
  }

 private:
  COLORREF colour_;
};

// Stands in for the shell: paints its controls (last first) and counts notifications.
class FakeHost : public AnimationHost {
 public:
  void PaintPanels(platform::Surface& dc, const RECT& area) override {
    ++paints;
    dc.PushClip(area);
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
      if ((*it)->visible) (*it)->Paint(dc, area.left, area.top, area.right, area.bottom);
    }
    dc.PopClip();
  }
  platform::Surface& BackBuffer(platform::ui::HWND) override { return back_buffer; }
  void TransitionStart() override { ++starts; }
  void TransitionEnd() override { ++ends; }
  void SlideTransition(platform::ui::HWND, int direction, const RECT*) override {
    slides.push_back(direction);
  }
  std::vector<LightControl*> controls;
  platform::Surface back_buffer{240, 320};
  int paints = 0;
  int starts = 0;
  int ends = 0;
  std::vector<int> slides;
};

// Records every step it is given. It ends after its duration only when `ends`; its steps
// answer a small rectangle, and an empty one from step `vanish_after` + 1 on.
class ScriptedAnimation : public Animation {
 public:
  ScriptedAnimation(int32_t duration_ms, std::vector<uint32_t>* steps, bool ends,
                    size_t vanish_after = SIZE_MAX)
      : Animation(duration_ms), steps_(steps), ends_(ends), vanish_after_(vanish_after) {}
  RECT Step(bool& done, uint32_t elapsed) override {
    steps_->push_back(elapsed);
    if (ends_ && static_cast<int64_t>(elapsed) > duration) done = true;
    return steps_->size() <= vanish_after_ ? RECT{0, 0, 10, 10} : RECT{};
  }

 private:
  std::vector<uint32_t>* steps_;
  bool ends_;
  size_t vanish_after_;
};

class ControlAnimationTest : public ToolkitFixture {
 protected:
  void SetUp() override {
    ToolkitFixture::SetUp();
    previous_host_ = SetAnimationHost(&host_);
    list_ = std::make_unique<SmartListControl>(hwnd(), RECT{0, 0, 240, 320});
    for (int i = 0; i < 20; ++i) list_->AddItem(std::make_unique<TestRow>(i, 40));
  }
  void TearDown() override {
    SetAnimationHost(previous_host_);
    list_.reset();
    ToolkitFixture::TearDown();
  }

  // A pop-up panel with one button over a dark blue screen painted by the host.
  std::unique_ptr<BorderPanel> Panel() {
    host_.controls = {&blue_screen_};
    auto panel = std::make_unique<BorderPanel>(hwnd(), RECT{});
    panel->AddChild(std::make_unique<RecordingControl>("a", nullptr));
    panel->Resize(RECT{0, 0, 240, 320});
    return panel;
  }

  FakeHost host_;
  AnimationHost* previous_host_ = nullptr;
  std::unique_ptr<SmartListControl> list_;
  SolidControl blue_screen_{RECT{0, 0, 240, 320}, RGB(0, 0, 90)};
};

TEST_F(ControlAnimationTest, ListScrollTakesOneMillisecondPerPixelUpToTheMaximumOrBouncesToTheTop) {
  list_->SetScrollOffset(50);
  ListAnimation back(*list_, 0, 800);
  EXPECT_EQ(back.duration, 50);
  EXPECT_EQ(back.Path().size(), 6u);
  bool done = false;
  EXPECT_EQ(back.Step(done, 50), list_->rect);
  EXPECT_FALSE(done);
  back.Step(done, 51);
  EXPECT_TRUE(done);
  EXPECT_EQ(list_->ScrollOffset(), 0);

  ListAnimation far(*list_, 480, 300);
  EXPECT_EQ(far.duration, 300);
  ListAnimation none(*list_, 0, 800);
  EXPECT_EQ(none.duration, 0);

  // A negative target bounces through the overshoot and ends at the top.
  list_->SetScrollOffset(300);
  ListAnimation top(*list_, -1, 800);
  EXPECT_EQ(top.duration, 301);
  std::vector<int32_t> offsets;  // every 10 ms until done
  done = false;
  for (uint32_t t = 0; !done && t < 100000; t += 10) {
    top.Step(done, t);
    offsets.push_back(list_->ScrollOffset());
  }
  ASSERT_GT(offsets.size(), 20u);
  EXPECT_EQ(offsets.front(), 285);  // 5 % of the way
  const auto settled = std::find(offsets.begin(), offsets.end(), 0);
  const auto deepest = std::min_element(offsets.begin(), settled);
  EXPECT_LE(*deepest, 3);                             // all but at the top
  EXPECT_GT(*std::max_element(deepest, settled), 5);  // swung back down the list
  EXPECT_EQ(offsets.back(), 0);
}

TEST_F(ControlAnimationTest, VisibleRowGrowsOverFourHundredMillisecondsOthersAtOnce) {
  IListItem* hidden = list_->GetItem(19);
  ItemHeightAnimation at_once(*hidden, *list_, 90);
  EXPECT_EQ(at_once.duration, 0);
  EXPECT_EQ(hidden->height, 90);
  bool done = false;
  at_once.Step(done, 0);
  EXPECT_TRUE(done);

  IListItem* row = list_->GetItem(1);
  ItemHeightAnimation grow(*row, *list_, 80);
  EXPECT_EQ(grow.duration, 400);
  done = false;
  grow.Step(done, 100);
  EXPECT_EQ(row->height, 50);
  EXPECT_EQ(list_->GetContentHeight(), 18 * 40 + 90 + 50);
  grow.Step(done, 400);
  EXPECT_EQ(row->height, 80);
  EXPECT_FALSE(done);
  grow.Step(done, 401);
  EXPECT_TRUE(done);
}

TEST_F(ControlAnimationTest, ListRunnerShowsEveryStepAndNotifiesThePanels) {
  host_.controls = {list_.get()};
  list_->SetScrollOffset(200);
  RunListAnimation(hwnd(), std::make_unique<ListAnimation>(*list_, 40, 800));
  EXPECT_EQ(list_->ScrollOffset(), 40);
  EXPECT_EQ(host_.starts, 1);
  EXPECT_EQ(host_.ends, 1);
  // 160 ms at one frame per 16 ms: the first full paint and twelve steps (the last at 176).
  EXPECT_EQ(host_.paints, 1 + 12);
  platform::Surface expected(240, 320);
  list_->ForceFullPaint();
  list_->Paint(expected, 0, 0, 240, 320);
  EXPECT_EQ(CountDifferentPixels(WindowSurface(), expected, RECT{0, 0, 240, 320}), 0);
}

TEST_F(ControlAnimationTest, RunnersStopABrokenAnimationOrOneWhoseStepIsEmpty) {
  std::vector<uint32_t> steps;
  RunListAnimation(hwnd(), std::make_unique<ScriptedAnimation>(100, &steps, false));
  ASSERT_GE(steps.size(), 2u);
  EXPECT_GT(steps[steps.size() - 2], 100u + kMaxAnimationOverrunMs);
  EXPECT_EQ(steps.back(), 101u);  // stepped past its end once more
  EXPECT_EQ(host_.ends, 1);

  // An empty step rectangle ends the run.
  steps.clear();
  RunListAnimation(hwnd(), std::make_unique<ScriptedAnimation>(1000, &steps, false, 2));
  ASSERT_EQ(steps.size(), 4u);
  EXPECT_EQ(steps.back(), 1001u);  // the end state after the last frame
  EXPECT_EQ(host_.ends, 2);
}

TEST_F(ControlAnimationTest, SlidesGoThroughTheHostAndWithoutWindowOrHostEndStatesComeAtOnce) {
  std::vector<uint32_t> steps;
  RunListAnimation(nullptr, std::make_unique<ScriptedAnimation>(250, &steps, true));
  EXPECT_EQ(steps, std::vector<uint32_t>{251});
  // A slide transition goes through the host, or without one is a plain repaint.
  RunSlideTransition(hwnd(), 1, nullptr);
  EXPECT_EQ(host_.slides, std::vector<int>{1});
  SetAnimationHost(nullptr);
  RunSlideTransition(hwnd(), 0, nullptr);
  EXPECT_EQ(host_.slides, std::vector<int>{1});
  SolidControl control(RECT{0, 0, 50, 50}, RGB(255, 0, 0));
  RunControlAnimation(hwnd(), control, std::make_unique<VerticalSlideAnimation>(control, 100, 250),
                      nullptr);
  EXPECT_EQ(control.rect, (RECT{0, 100, 50, 150}));
  EXPECT_EQ(host_.starts, 0);
}

TEST_F(ControlAnimationTest, VerticalSlideReportsTheOldAndNewRectItsRunnerMovesThePicture) {
  SolidControl control(RECT{10, -40, 60, 0}, RGB(255, 0, 0));
  VerticalSlideAnimation slide(control, 0, 250);
  bool done = false;
  const RECT first = slide.Step(done, 0);
  EXPECT_EQ(control.rect.top, -38);  // 5 % of 40
  EXPECT_EQ(first, (RECT{10, -40, 60, 2}));
  slide.Step(done, 251);
  EXPECT_TRUE(done);
  EXPECT_EQ(control.rect, (RECT{10, 0, 60, 40}));

  // The runner moves the picture over the frozen background, inside its area if given.
  SolidControl background(RECT{0, 0, 240, 320}, RGB(0, 128, 0));
  SolidControl popup(RECT{40, -60, 200, 0}, RGB(200, 0, 0));
  host_.controls = {&popup, &background};
  platform::Surface& window = WindowSurface();
  window.FillRect(window.Bounds(), RGB(0, 128, 0));  // the screen before the pop-up
  RunControlAnimation(hwnd(), popup, std::make_unique<VerticalSlideAnimation>(popup, 0, 250),
                      nullptr);
  EXPECT_EQ(popup.rect, (RECT{40, 0, 200, 60}));
  EXPECT_TRUE(popup.visible);
  EXPECT_EQ(host_.starts, 1);
  EXPECT_EQ(host_.ends, 1);
  EXPECT_EQ(host_.paints, 1);  // the background once, with the pop-up hidden
  EXPECT_EQ(window.GetPixel(100, 30), RGB(200, 0, 0));
  EXPECT_EQ(window.GetPixel(100, 59), RGB(200, 0, 0));
  EXPECT_EQ(window.GetPixel(10, 30), RGB(0, 128, 0));

  // And back up: the uncovered strip is the frozen background again.
  RunControlAnimation(hwnd(), popup, std::make_unique<VerticalSlideAnimation>(popup, -50, 250),
                      nullptr);
  EXPECT_EQ(window.GetPixel(100, 30), RGB(0, 128, 0));
  EXPECT_EQ(window.GetPixel(100, 5), RGB(200, 0, 0));

  // Given an area, the runner keeps to it.
  popup.rect = RECT{40, 0, 200, 60};
  host_.controls = {&popup};
  window.FillRect(window.Bounds(), RGB(1, 2, 3));
  const RECT area{0, 0, 240, 100};
  RunControlAnimation(hwnd(), popup, std::make_unique<VerticalSlideAnimation>(popup, 200, 250),
                      &area);
  EXPECT_EQ(popup.rect.top, 200);
  EXPECT_EQ(window.GetPixel(100, 150), RGB(1, 2, 3));
  EXPECT_EQ(window.GetPixel(100, 250), RGB(1, 2, 3));
}

// Opening and closing a pop-up panel in a window: it slides over several frames of the
// virtual clock.
TEST_F(ControlAnimationTest, PanelOpenSlidesDownOverTheMenuDurationAndCloseSlidesUp) {
  auto panel = Panel();
  const uint32_t before = platform::Clock::TickCount();
  panel->Open();
  const uint32_t took = platform::Clock::TickCount() - before;
  EXPECT_GE(took, 250u);
  EXPECT_LE(took, 250u + 2 * platform::ui::kFrameMs);
  EXPECT_TRUE(panel->visible);
  EXPECT_EQ(panel->rect, (RECT{41, 0, 199, 38}));
  EXPECT_EQ(host_.starts, 1);
  // The panel's picture sits at its final place; only what it crossed was drawn.
  EXPECT_EQ(WindowSurface().GetPixel(41, 0), RGB(100, 100, 100));
  EXPECT_EQ(WindowSurface().GetPixel(100, 60), RGB(255, 255, 255));

  panel->Close(0);
  EXPECT_FALSE(panel->visible);
  EXPECT_EQ(panel->rect, (RECT{41, -38, 199, 0}));
  EXPECT_EQ(WindowSurface().GetPixel(100, 20), RGB(0, 0, 90));
  EXPECT_EQ(host_.starts, 2);
}

TEST_F(ControlAnimationTest, PanelChildrenWithoutARelativeRectFollowThePanel) {
  auto panel = Panel();
  auto* fixed = panel->AddChild(std::make_unique<RecordingControl>("b", nullptr));
  panel->Resize(RECT{0, 0, 240, 320});
  const RECT placed = fixed->rect;
  const int height = RectHeight(panel->rect);
  panel->Close(10);
  EXPECT_EQ(panel->rect.bottom, 10);  // the bottom stays on screen
  EXPECT_EQ(RectHeight(panel->rect), height);
  EXPECT_EQ(fixed->rect, OffsetRect(placed, 0, panel->rect.top));
}

TEST(FadeScreenTest, TenBlendsTowardTheColourInsideTheAreaOnly) {
  platform::Surface dc(40, 30);
  dc.FillRect(dc.Bounds(), RGB(255, 255, 255));
  std::vector<COLORREF> seen;
  FadeScreen(RECT{10, 5, 30, 25}, dc, RGB(0, 0, 0), [&] { seen.push_back(dc.GetPixel(20, 15)); });
  ASSERT_EQ(seen.size(), 10u);
  EXPECT_EQ(seen.front(), RGB(255, 255, 255));  // alpha 0 first
  for (size_t i = 2; i < seen.size(); ++i) EXPECT_LT(GetRValue(seen[i]), GetRValue(seen[i - 1]));
  EXPECT_LT(GetRValue(seen.back()), 20);
  EXPECT_EQ(dc.GetPixel(5, 15), RGB(255, 255, 255));
  EXPECT_EQ(dc.GetPixel(35, 15), RGB(255, 255, 255));

  int presents = 0;
  FadeScreen(RECT{50, 50, 60, 60}, dc, RGB(0, 0, 0), [&] { ++presents; });
  EXPECT_EQ(presents, 0);  // nothing of the area on the surface
}

}  // namespace
