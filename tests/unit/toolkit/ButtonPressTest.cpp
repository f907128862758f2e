// The button's press and hold machine, row by row, with scripted pen input on a real
// headless window and the virtual clock.

#include "ToolkitFixture.h"
#include "toolkit/Button.h"

namespace {

constexpr RECT kButtonRect{20, 40, 120, 80};
constexpr int kIn = 60;    // both coordinates of a point on the button
constexpr int kOut = 200;  // and of one off it

class ButtonPressTest : public ToolkitFixture {
 protected:
  void SetUp() override {
    ToolkitFixture::SetUp();
    button_ = std::make_unique<Button>(hwnd(), kButtonRect, u"OK", nullptr, nullptr);
    button_->SetClickAction(std::make_unique<CallbackAction>([this] { ++clicks_; }));
    Host(button_.get());
  }
  void TearDown() override {
    ToolkitFixture::TearDown();
    button_.reset();
  }

  bool PressTimerRunning() { return manager().TimeToNextTimer().has_value(); }

  int clicks_ = 0;
  int long_presses_ = 0;
  CallbackAction long_press_{[this] { ++long_presses_; }};  // outlives the button
  std::unique_ptr<Button> button_;
};

TEST_F(ButtonPressTest, IdlePenDownOrMoveInsidePressesAndStartsTheTimerOutsideNothingIsConsumed) {
  EXPECT_EQ(button_->OnPenDown(kOut, kOut), kEmptyRect);
  EXPECT_FALSE(PressTimerRunning());
  EXPECT_EQ(button_->OnPenUp(kIn, kIn), kEmptyRect);
  EXPECT_FALSE(button_->IsPressed());
  EXPECT_EQ(button_->OnPenDown(kIn, kIn), kButtonRect);
  EXPECT_TRUE(button_->IsPressed());
  EXPECT_EQ(manager().TimeToNextTimer(), std::optional<uint32_t>(Button::kLongPressMs));
  EXPECT_EQ(clicks_, 0);
  button_->OnPenReleased(kIn, kIn);
  // Moves press on entering and release on leaving.
  EXPECT_EQ(button_->OnPenMove(kOut, kOut), kEmptyRect);  // idle, outside
  EXPECT_EQ(button_->OnPenMove(kIn, kIn), kButtonRect);   // idle -> pressed
  EXPECT_TRUE(button_->IsPressed());
  EXPECT_EQ(button_->OnPenMove(kIn + 1, kIn), kEmptyRect);  // stays pressed
  EXPECT_EQ(button_->OnPenMove(kOut, kOut), kButtonRect);   // pressed -> idle
  EXPECT_FALSE(button_->IsPressed());
}

TEST_F(ButtonPressTest, OnlyAPenUpInsideClicksAndEveryReleaseLeavesItIdle) {
  Tap(kIn, kIn);
  EXPECT_EQ(clicks_, 1);
  EXPECT_FALSE(button_->IsPressed());
  EXPECT_FALSE(PressTimerRunning());  // the pen-released notification killed it
  // Sliding off and releasing outside.
  PenDown(kIn, kIn);
  PenMove(kOut, kOut);
  PenUp(kOut, kOut);
  EXPECT_FALSE(PressTimerRunning());
  // A pen-up outside while still pressed is consumed.
  button_->OnPenDown(kIn, kIn);
  EXPECT_EQ(button_->OnPenUp(kOut, kOut), kButtonRect);
  EXPECT_FALSE(button_->IsPressed());
  EXPECT_EQ(clicks_, 1);
}

TEST_F(ButtonPressTest, HoldRunsTheLongPressOnceOnlyWhileOnTheButtonOrWithoutOneStillClicks) {
  PenDown(kIn, kIn);
  Advance(2000);
  EXPECT_TRUE(button_->IsPressed());
  EXPECT_FALSE(PressTimerRunning());  // one tick, then killed
  PenUp(kIn, kIn);
  EXPECT_EQ(clicks_, 1);

  button_->SetLongPressAction(&long_press_);
  PenDown(kIn, kIn);
  Advance(Button::kLongPressMs - 1);
  EXPECT_EQ(long_presses_, 0);
  Advance(1);
  EXPECT_EQ(long_presses_, 1);
  EXPECT_FALSE(button_->IsPressed());
  Advance(1000);  // the timer was killed: no second run
  PenUp(kIn, kIn);
  EXPECT_EQ(long_presses_, 1);
  // The timer after sliding off does not run it.
  PenDown(kIn, kIn);
  PenMove(kOut, kOut);
  Advance(Button::kLongPressMs);
  PenUp(kOut, kOut);
  EXPECT_EQ(long_presses_, 1);
  EXPECT_EQ(clicks_, 1);  // only the one before the action was set
}

TEST_F(ButtonPressTest, PenReleasedDropsThePressWithoutClickingTimerAnswersItsOwnId) {
  EXPECT_FALSE(button_->OnTimer(button_->PressTimerId() + 1));
  EXPECT_TRUE(button_->OnTimer(button_->PressTimerId()));  // own id, even when idle
  button_->OnPenDown(kIn, kIn);
  EXPECT_EQ(button_->OnPenReleased(kIn, kIn), kButtonRect);
  EXPECT_FALSE(button_->IsPressed());
  EXPECT_FALSE(PressTimerRunning());
  EXPECT_EQ(button_->OnPenReleased(kIn, kIn), kEmptyRect);
  EXPECT_EQ(clicks_, 0);
}

TEST_F(ButtonPressTest, DeletingAPressedButtonStopsItsTimer) {
  PenDown(kIn, kIn);
  Host(nullptr);
  button_.reset();
  EXPECT_FALSE(PressTimerRunning());
}

TEST_F(ButtonPressTest, ClickActionMayRetireItsOwnButton) {
  // The action hands its own button to deferred deletion; nothing but the loop may touch the
  // button afterwards.
  Button* raw = button_.get();
  raw->SetClickAction(
      std::make_unique<CallbackAction>([this] { LightControl::DeleteLater(std::move(button_)); }));
  EXPECT_EQ(raw->OnPenDown(kIn, kIn), kButtonRect);
  EXPECT_EQ(raw->OnPenUp(kIn, kIn), kButtonRect);
  EXPECT_EQ(button_, nullptr);
  EXPECT_EQ(LightControl::PendingDeletions(), 1u);
  Host(nullptr);
  LightControl::DrainDeferredDeletions();
  EXPECT_FALSE(PressTimerRunning());
}

}  // namespace
