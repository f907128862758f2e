// The blocking transition runner on the virtual clock, and navigation between the screens.
#include "ShellFixture.h"
#include "messaging/SMSPanel.h"
#include "screens/ContactContainerPanel.h"
#include "screens/ContactDetailPanel.h"
#include "shell/Navigation.h"
#include "shell/TransitionRunner.h"

namespace {

// Wipes from left to right over 100 ms, recording the elapsed times it was given.
class WipeAnimation : public shell::TransitionAnimation {
 public:
  void Step(bool& done, uint32_t elapsed, platform::Surface& work,
            const platform::Surface& old_image, const platform::Surface& new_image,
            const RECT& area) override {
    elapsed_.push_back(elapsed);
    if (elapsed >= 100) {
      done = true;
      elapsed = 100;
    }
    const int split = area.left + RectWidth(area) * static_cast<int>(elapsed) / 100;
    work.BitBlt(area.left, area.top, split - area.left, RectHeight(area), new_image, area.left,
                area.top);
    work.BitBlt(split, area.top, area.right - split, RectHeight(area), old_image, split, area.top);
  }
  std::vector<uint32_t> elapsed_;
};

// A panel that paints one colour and counts transition notifications.
class ColourPanel : public ContainerPanel {
 public:
  ColourPanel(COLORREF colour) : ContainerPanel(RECT{0, 0, 240, 320}), colour_(colour) {}
  bool Paint(platform::Surface& dc, int, int, int, int) override {
    dc.FillRect(rect, colour_);
    return true;
  }
  void OnTransitionStart() override { ++starts; }
  void OnTransitionEnd() override { ++ends; }
  int starts = 0;
  int ends = 0;

 private:
  COLORREF colour_;
};

class TransitionTest : public ShellFixture {};

TEST_F(TransitionTest, RunsTheAnimationToItsEndOnTheVirtualClock) {
  Start();
  app().panels.clear();
  auto red = std::make_unique<ColourPanel>(RGB(255, 0, 0));
  auto blue = std::make_unique<ColourPanel>(RGB(0, 0, 255));
  ColourPanel* old_screen = red.get();
  ColourPanel* new_screen = blue.get();
  app().panels = {old_screen, new_screen};
  app().owned_panels.push_back(std::move(red));
  app().owned_panels.push_back(std::move(blue));
  platform::ui::InvalidateRect(hwnd_, nullptr);
  manager_->PumpUntilIdle();
  ASSERT_EQ(manager_->Screen().GetPixel(120, 160), RGB(255, 0, 0));

  old_screen->visible = false;
  WipeAnimation wipe;
  const int frames = shell::RunScreenTransition(hwnd_, wipe, nullptr);
  // One frame every 16 virtual ms: 0, 16, ..., 96, 112 (done).
  EXPECT_EQ(frames, 8);
  ASSERT_EQ(wipe.elapsed_.size(), 8u);
  EXPECT_EQ(wipe.elapsed_.front(), 0u);
  EXPECT_EQ(wipe.elapsed_.back(), 112u);
  EXPECT_EQ(new_screen->starts, 1);
  EXPECT_EQ(new_screen->ends, 1);
  EXPECT_EQ(old_screen->starts, 1);  // hidden panels hear it too
  EXPECT_EQ(app().back_buffer->GetPixel(239, 319), RGB(0, 0, 255));
  EXPECT_EQ(hwnd_->Backing().GetPixel(239, 319), RGB(0, 0, 255));
  EXPECT_EQ(hwnd_->Dirty(), (RECT{0, 0, 240, 320}));
}

TEST_F(TransitionTest, AnimatedAreaLimitsTheFrames) {
  Start();
  platform::Surface& window = hwnd_->Backing();
  window.FillRect(window.Bounds(), RGB(1, 2, 3));
  shell::CutAnimation cut;
  const RECT area{0, 0, 100, 100};
  EXPECT_EQ(shell::RunScreenTransition(hwnd_, cut, &area), 1);
  EXPECT_EQ(window.GetPixel(150, 150), RGB(1, 2, 3));  // outside the area: untouched
  EXPECT_NE(window.GetPixel(50, 50), RGB(1, 2, 3));
}

TEST_F(TransitionTest, AnimationThatNeverEndsIsStopped) {
  Start();
  class Endless : public shell::TransitionAnimation {
   public:
    void Step(bool&, uint32_t, platform::Surface&, const platform::Surface&,
              const platform::Surface&, const RECT&) override {}
  } endless;
  const int frames = shell::RunScreenTransition(hwnd_, endless, nullptr);
  EXPECT_GT(frames, 0);
  EXPECT_LE(frames, static_cast<int>(shell::kMaxTransitionMs / platform::ui::kFrameMs) + 2);
}

TEST_F(TransitionTest, ShowMainPanelReturnsFromTheDetailScreen) {
  Start();
  app().list_screen->visible = false;
  app().detail_screen->visible = true;
  app().sms_screen->visible = true;
  shell::ShowMainPanel(hwnd_, true);
  EXPECT_TRUE(app().list_screen->visible);
  EXPECT_FALSE(app().detail_screen->visible);
  EXPECT_FALSE(app().sms_screen->visible);
}

TEST_F(TransitionTest, ShowMainPanelWithTheListVisibleHidesTheOthers) {
  Start();
  app().sms_screen->visible = true;
  app().detail_screen->visible = true;
  shell::ShowMainPanel(hwnd_, false);
  EXPECT_TRUE(app().list_screen->visible);
  EXPECT_FALSE(app().detail_screen->visible);
  EXPECT_FALSE(app().sms_screen->visible);
}

TEST_F(TransitionTest, ShowMainPanelFromTheSmsScreen) {
  Start();
  app().list_screen->visible = false;
  app().sms_screen->visible = true;
  shell::ShowMainPanel(hwnd_, false);
  EXPECT_TRUE(app().list_screen->visible);
  EXPECT_FALSE(app().sms_screen->visible);
}

}  // namespace
