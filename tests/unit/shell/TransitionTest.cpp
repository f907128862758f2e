// The blocking transition runner on the virtual clock, and navigation between the screens.
#include "ShellFixture.h"
#include "shell/Navigation.h"
#include "shell/TransitionRunner.h"
#include "theme/SettingManager.h"
#include "toolkit/AnimationHost.h"
#include "toolkit/AnimationRunners.h"
#include "toolkit/ListAnimation.h"

namespace {

// Wipes from left to right over 100 ms, recording the elapsed times it was given.
class WipeAnimation : public shell::TransitionAnimation {
 public:
  WipeAnimation() : shell::TransitionAnimation(100) {}
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

class TransitionTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    Start();
  }

  // The red screen visible over the hidden blue one, both owned by the shell and painted.
  void ShowRed() {
    auto red = std::make_unique<ColourPanel>(RGB(255, 0, 0));
    auto blue = std::make_unique<ColourPanel>(RGB(0, 0, 255));
    red_ = red.get();
    blue_ = blue.get();
    blue_->visible = false;
    app().panels = {blue_, red_};
    app().owned_panels.push_back(std::move(red));
    app().owned_panels.push_back(std::move(blue));
    platform::ui::InvalidateRect(hwnd_, nullptr);
    manager_->PumpUntilIdle();
  }
  // Then swaps them the way a screen switch does before its transition.
  void SwapToBlue() {
    red_->visible = false;
    blue_->visible = true;
  }

  ColourPanel* red_ = nullptr;
  ColourPanel* blue_ = nullptr;
};

TEST_F(TransitionTest, RunsTheAnimationToItsEndOnTheVirtualClock) {
  ShowRed();
  ASSERT_EQ(manager_->Screen().GetPixel(120, 160), RGB(255, 0, 0));
  SwapToBlue();
  WipeAnimation wipe;
  const int frames = shell::RunScreenTransition(hwnd_, wipe, nullptr);
  // One frame every 16 virtual ms: 0, 16, ..., 96, 112 (done).
  EXPECT_EQ(frames, 8);
  ASSERT_EQ(wipe.elapsed_.size(), 8u);
  EXPECT_EQ(wipe.elapsed_.front(), 0u);
  EXPECT_EQ(wipe.elapsed_.back(), 112u);
  EXPECT_EQ(blue_->starts, 1);
  EXPECT_EQ(blue_->ends, 1);
  EXPECT_EQ(red_->starts, 1);  // hidden panels hear it too
  EXPECT_EQ(app().back_buffer->GetPixel(239, 319), RGB(0, 0, 255));
  EXPECT_EQ(hwnd_->Backing().GetPixel(239, 319), RGB(0, 0, 255));
  EXPECT_EQ(hwnd_->Dirty(), (RECT{0, 0, 240, 320}));
}

TEST_F(TransitionTest, AnimatedAreaLimitsTheFrames) {
  platform::Surface& window = hwnd_->Backing();
  window.FillRect(window.Bounds(), RGB(1, 2, 3));
  shell::CutAnimation cut;
  const RECT area{0, 0, 100, 100};
  EXPECT_EQ(shell::RunScreenTransition(hwnd_, cut, &area), 1);
  EXPECT_EQ(window.GetPixel(150, 150), RGB(1, 2, 3));  // outside the area: untouched
  EXPECT_NE(window.GetPixel(50, 50), RGB(1, 2, 3));
}

TEST_F(TransitionTest, AnimationThatNeverEndsIsStopped) {
  class Endless : public shell::TransitionAnimation {
   public:
    Endless() : shell::TransitionAnimation(100) {}
    void Step(bool&, uint32_t, platform::Surface&, const platform::Surface&,
              const platform::Surface&, const RECT&) override {}
  } endless;
  const int frames = shell::RunScreenTransition(hwnd_, endless, nullptr);
  EXPECT_GT(frames, 0);
  EXPECT_LE(frames, static_cast<int>(shell::kMaxTransitionMs / platform::ui::kFrameMs) + 2);
}

TEST_F(TransitionTest, EveryScreenTransitionEndsOnTheNewScreen) {
  const int icon_room = theme::Settings().icon_panel_height;
  struct Case {
    const char* name;
    void (*run)(platform::ui::HWND);
    int max_frames;
  } cases[] = {
      {"slide", [](platform::ui::HWND h) { shell::SlideTransition(h, 0, nullptr); }, 250 / 16 + 2},
      {"flip", [](platform::ui::HWND h) { shell::FlipTransition(h, 1); }, 500 / 16 + 2},
      {"genie open",
       [](platform::ui::HWND h) {
         shell::GenieOpenTransition(h, RECT{80, 280, 160, 280});
       },
       300 / 16 + 2},
      {"genie close",
       [](platform::ui::HWND h) { shell::GenieCloseTransition(h, 80, 280, 160, 280); },
       400 / 16 + 2},
  };
  for (const Case& c : cases) {
    ShowRed();
    SwapToBlue();
    const uint32_t before = platform::Clock::TickCount();
    c.run(hwnd_);
    const uint32_t frames = (platform::Clock::TickCount() - before) / platform::ui::kFrameMs;
    EXPECT_GT(frames, 3u) << c.name;
    EXPECT_LE(frames, static_cast<uint32_t>(c.max_frames)) << c.name;
    EXPECT_EQ(blue_->starts, 1) << c.name;
    EXPECT_EQ(blue_->ends, 1) << c.name;
    // The last frame shown is the new screen (before any repaint).
    EXPECT_EQ(hwnd_->Backing().GetPixel(120, 100), RGB(0, 0, 255)) << c.name;
    EXPECT_EQ(hwnd_->Backing().GetPixel(5, 320 - icon_room - 1), RGB(0, 0, 255)) << c.name;
  }
}

TEST_F(TransitionTest, InstalledHostLetsTheToolkitRunnersPaintThePanels) {
  ShowRed();
  AnimationHost* before = CurrentAnimationHost();
  shell::InstallAnimationHost();
  ASSERT_NE(CurrentAnimationHost(), nullptr);
  class Fill : public Animation {
   public:
    Fill() : Animation(40) {}
    RECT Step(bool& done, uint32_t elapsed) override {
      done = elapsed > 40;
      return RECT{0, 0, 240, 100};
    }
  };
  hwnd_->Backing().FillRect(hwnd_->Backing().Bounds(), RGB(9, 9, 9));
  RunListAnimation(hwnd_, std::make_unique<Fill>());
  EXPECT_EQ(hwnd_->Backing().GetPixel(120, 50), RGB(255, 0, 0));
  EXPECT_EQ(red_->starts, 1);
  EXPECT_EQ(red_->ends, 1);
  // The sub-menu's slide goes through the shell.
  SwapToBlue();
  RunSlideTransition(hwnd_, 0, nullptr);
  EXPECT_EQ(blue_->starts, 2);
  SetAnimationHost(before);
}

}  // namespace
