// Whole-screen transitions: their frames (compared pixel for pixel with reference images),
// their end states, the reversed genie, and areas with no width or height.
//
// On a mismatch the frame is written next to the test binary as <name>_err.png;
// QB_UPDATE_GOLDEN=1 rewrites the references on purpose.

#include <memory>
#include <string>
#include <utility>

#include "ToolkitFixture.h"
#include "platform/Surface.h"
#include "support/Golden.h"
#include "theme/SettingManager.h"
#include "toolkit/FlipScreenAnimation.h"
#include "toolkit/GenieAnimation.h"
#include "toolkit/ReverseAnimation.h"
#include "toolkit/SlideScreenAnimation.h"

namespace {

constexpr int kWidth = 60;
constexpr int kHeight = 80;

// The screen being left: horizontal bands of warm colours with a dark left column, so that
// a shift or a squeeze shows.
std::unique_ptr<platform::Surface> OldScreen() {
  auto s = std::make_unique<platform::Surface>(kWidth, kHeight);
  for (int band = 0; band < kHeight / 10; ++band) {
    s->FillRect(
        RECT{0, band * 10, kWidth, band * 10 + 10},
        RGB(static_cast<uint8_t>(200 + band * 7), static_cast<uint8_t>(40 + band * 20), 30));
  }
  s->FillRect(RECT{0, 0, 4, kHeight}, RGB(20, 20, 20));
  return s;
}

// The screen arriving: a cool checkerboard with a bright top row.
std::unique_ptr<platform::Surface> NewScreen() {
  auto s = std::make_unique<platform::Surface>(kWidth, kHeight);
  for (int y = 0; y < kHeight; y += 8) {
    for (int x = 0; x < kWidth; x += 8) {
      const bool dark = ((x + y) / 8) % 2 == 0;
      s->FillRect(RECT{x, y, x + 8, y + 8}, dark ? RGB(20, 60, 160) : RGB(120, 200, 230));
    }
  }
  s->FillRect(RECT{0, 0, kWidth, 2}, RGB(250, 250, 120));
  return s;
}

class ScreenAnimationTest : public ToolkitFixture {
 protected:
  // Steps `animation` at `elapsed` over the whole image into a fresh work image.
  std::unique_ptr<platform::Surface> Frame(ScreenAnimation& animation, uint32_t elapsed,
                                           bool* done_out = nullptr) {
    auto work = std::make_unique<platform::Surface>(kWidth, kHeight);
    bool done = false;
    animation.Step(done, elapsed, *work, *old_, *new_, area_);
    if (done_out) *done_out = done;
    return work;
  }

  // Frames at 0, a third, two thirds and past the end, compared with references.
  void ExpectGoldenFrames(ScreenAnimation& animation, const std::string& stem) {
    const uint32_t d = static_cast<uint32_t>(animation.duration);
    for (uint32_t third = 0; third < 3; ++third) {
      testing_support::ExpectMatchesGolden(*Frame(animation, third * d / 3), "toolkit",
                                           stem + "_" + std::to_string(third));
    }
    bool done = false;
    auto last = Frame(animation, d + 1, &done);
    EXPECT_TRUE(done);
    EXPECT_TRUE(SameImage(*last, *new_)) << stem << ": the last frame is the new screen";
  }

  static bool SameImage(const platform::Surface& a, const platform::Surface& b) {
    return CountDifferentPixels(a, b, a.Bounds()) == 0;
  }

  std::unique_ptr<platform::Surface> old_ = OldScreen();
  std::unique_ptr<platform::Surface> new_ = NewScreen();
  RECT area_{0, 0, kWidth, kHeight};
};

TEST_F(ScreenAnimationTest, SlideForwardAndBackFrames) {
  SlideScreenAnimation forward(250, area_, 0);
  ExpectGoldenFrames(forward, "slide_forward");
  SlideScreenAnimation back(250, area_, 1);
  ExpectGoldenFrames(back, "slide_back");
}

TEST_F(ScreenAnimationTest, FlipFramesWhateverTheDirectionOverTheBackground) {
  FlipScreenAnimation flip(0);
  EXPECT_EQ(flip.duration, 500);
  ExpectGoldenFrames(flip, "flip");
  FlipScreenAnimation one(1);
  EXPECT_TRUE(SameImage(*Frame(flip, 120), *Frame(one, 120)));
  EXPECT_TRUE(SameImage(*Frame(flip, 370), *Frame(one, 370)));
  // The theme's background shows behind the turning page.
  theme::Settings().background_color = RGB(1, 2, 3);
  auto turning = Frame(flip, 100);  // u = 12: the left edge receded by 14 px
  EXPECT_EQ(turning->GetPixel(5, 40), RGB(1, 2, 3));
  EXPECT_EQ(turning->GetPixel(14, 2), RGB(1, 2, 3));
  EXPECT_NE(turning->GetPixel(kWidth - 14, 40), RGB(1, 2, 3));
}

TEST_F(ScreenAnimationTest, GenieFramesAndATargetInsideTheArea) {
  GenieAnimation genie(300, RECT{20, kHeight, 40, kHeight});
  ExpectGoldenFrames(genie, "genie");
  // With the target inside the area, below the target stays old; it ends on the new screen.
  GenieAnimation inside(300, RECT{10, 30, 20, 40});
  EXPECT_EQ(Frame(inside, 150)->GetPixel(30, 70), old_->GetPixel(30, 70));
  bool done = false;
  EXPECT_TRUE(SameImage(*Frame(inside, 301, &done), *new_));
  EXPECT_TRUE(done);
}

TEST_F(ScreenAnimationTest, ReversedGenieRetracesTheOpeningAndEndsOnTheOldImage) {
  const RECT target{20, kHeight, 40, kHeight};
  ReverseAnimation closing(std::make_unique<GenieAnimation>(400, target));
  GenieAnimation opening(400, target);
  // The closing genie at t shows what the opening one shows at 400 - t with the images
  // exchanged.
  auto reversed = Frame(closing, 100);
  std::swap(old_, new_);
  auto forward = Frame(opening, 300);
  std::swap(old_, new_);
  EXPECT_TRUE(SameImage(*reversed, *forward));

  bool done = false;
  auto last = Frame(closing, 401, &done);
  EXPECT_TRUE(done);
  EXPECT_TRUE(SameImage(*last, *new_));  // the screen the genie closes onto
  EXPECT_FALSE(SameImage(*Frame(closing, 0), *new_));
}

TEST_F(ScreenAnimationTest, EmptyAreasDrawNothingAndFinishZeroDurationsAtTheFirstStep) {
  const RECT empties[] = {{10, 10, 10, 50}, {10, 10, 50, 10}, {30, 30, 20, 20}};
  GenieAnimation genie(300, RECT{5, 5, 5, 5});
  FlipScreenAnimation flip(0);
  SlideScreenAnimation slide(250, RECT{}, 0);
  ReverseAnimation reverse(std::make_unique<GenieAnimation>(400, RECT{0, 0, 0, 0}));
  ScreenAnimation* animations[] = {&genie, &flip, &slide, &reverse};
  for (const RECT& empty : empties) {
    area_ = empty;
    for (ScreenAnimation* animation : animations) {
      for (uint32_t elapsed : {0u, 100u, 250u})  // the work image stays untouched
        EXPECT_EQ(Frame(*animation, elapsed)->GetPixel(15, 15), RGB(255, 255, 255));
      bool done = false;
      Frame(*animation, 100000, &done);
      EXPECT_TRUE(done);
    }
  }
  // Zero durations finish at the first step.
  area_ = RECT{0, 0, kWidth, kHeight};
  GenieAnimation instant_genie(0, RECT{20, kHeight, 40, kHeight});
  FlipScreenAnimation instant_flip(0, 0);
  SlideScreenAnimation instant_slide(0, area_, 0);
  ScreenAnimation* instants[] = {&instant_genie, &instant_flip, &instant_slide};
  for (ScreenAnimation* animation : instants) {
    bool done = false;
    auto frame = Frame(*animation, 0, &done);
    EXPECT_TRUE(done);
    EXPECT_TRUE(SameImage(*frame, *new_));
  }
}

TEST_F(ScreenAnimationTest, AnimatedAreaLeavesTheRestOfTheWorkImage) {
  area_ = RECT{10, 20, 50, 60};
  SlideScreenAnimation forward(250, area_, 0);
  SlideScreenAnimation back(250, area_, 1);
  FlipScreenAnimation flip(0);
  GenieAnimation genie(300, RECT{20, 60, 30, 60});
  const std::pair<ScreenAnimation*, uint32_t> frames[] = {
      {&forward, 120}, {&back, 120}, {&flip, 300}, {&genie, 250}};
  for (const auto& [animation, elapsed] : frames) {
    auto frame = Frame(*animation, elapsed);
    for (const POINT p : {POINT{5, 5}, POINT{55, 40}, POINT{30, 65}, POINT{55, 70}}) {
      EXPECT_EQ(frame->GetPixel(p.x, p.y), RGB(255, 255, 255)) << elapsed << " " << p.x;
    }
  }
}

}  // namespace
