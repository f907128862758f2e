// The button's press and hold machine, row by row, with scripted pen input on a real
// headless window and the virtual clock.

#include "ToolkitFixture.h"
#include "toolkit/Button.h"

namespace {

constexpr RECT kButtonRect{20, 40, 120, 80};
constexpr int kInsideX = 60;
constexpr int kInsideY = 60;
constexpr int kOutsideX = 200;
constexpr int kOutsideY = 200;

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
  EXPECT_EQ(button_->OnPenDown(kOutsideX, kOutsideY), kEmptyRect);
  EXPECT_FALSE(PressTimerRunning());
  EXPECT_EQ(button_->OnPenUp(kInsideX, kInsideY), kEmptyRect);
  EXPECT_FALSE(button_->IsPressed());
  EXPECT_EQ(button_->OnPenDown(kInsideX, kInsideY), kButtonRect);
  EXPECT_TRUE(button_->IsPressed());
  EXPECT_EQ(manager().TimeToNextTimer(), std::optional<uint32_t>(Button::kLongPressMs));
  EXPECT_EQ(clicks_, 0);
  button_->OnPenReleased(kInsideX, kInsideY);
  // Moves press on entering and release on leaving.
  EXPECT_EQ(button_->OnPenMove(kOutsideX, kOutsideY), kEmptyRect);  // idle, outside
  EXPECT_EQ(button_->OnPenMove(kInsideX, kInsideY), kButtonRect);   // idle -> pressed
  EXPECT_TRUE(button_->IsPressed());
  EXPECT_EQ(button_->OnPenMove(kInsideX + 1, kInsideY), kEmptyRect);  // stays pressed
  EXPECT_EQ(button_->OnPenMove(kOutsideX, kOutsideY), kButtonRect);   // pressed -> idle
  EXPECT_FALSE(button_->IsPressed());
}

TEST_F(ButtonPressTest, OnlyAPenUpInsideClicksAndEveryReleaseLeavesItIdle) {
  Tap(kInsideX, kInsideY);
  EXPECT_EQ(clicks_, 1);
  EXPECT_FALSE(button_->IsPressed());
  EXPECT_FALSE(PressTimerRunning());  // the pen-released notification killed it
  // Sliding off and releasing outside.
  PenDown(kInsideX, kInsideY);
  PenMove(kOutsideX, kOutsideY);
  PenUp(kOutsideX, kOutsideY);
  EXPECT_FALSE(PressTimerRunning());
  // A pen-up outside while still pressed is consumed.
  button_->OnPenDown(kInsideX, kInsideY);
  EXPECT_EQ(button_->OnPenUp(kOutsideX, kOutsideY), kButtonRect);
  EXPECT_FALSE(button_->IsPressed());
  EXPECT_EQ(clicks_, 1);
}

TEST_F(ButtonPressTest, HoldRunsTheLongPressOnceOnlyWhileOnTheButtonOrWithoutOneStillClicks) {
  PenDown(kInsideX, kInsideY);
  Advance(2000);
  EXPECT_TRUE(button_->IsPressed());
  EXPECT_FALSE(PressTimerRunning());  // one tick, then killed
  PenUp(kInsideX, kInsideY);
  EXPECT_EQ(clicks_, 1);

  button_->SetLongPressAction(&long_press_);
  PenDown(kInsideX, kInsideY);
  Advance(Button::kLongPressMs - 1);
  EXPECT_EQ(long_presses_, 0);
  Advance(1);
  EXPECT_EQ(long_presses_, 1);
  EXPECT_FALSE(button_->IsPressed());
  Advance(1000);  // the timer was killed: no second run
  PenUp(kInsideX, kInsideY);
  EXPECT_EQ(long_presses_, 1);
  // The timer after sliding off does not run it.
  PenDown(kInsideX, kInsideY);
  PenMove(kOutsideX, kOutsideY);
  Advance(Button::kLongPressMs);
  PenUp(kOutsideX, kOutsideY);
  EXPECT_EQ(long_presses_, 1);
  EXPECT_EQ(clicks_, 1);  // only the one before the action was set
}

TEST_F(ButtonPressTest, PenReleasedDropsThePressWithoutClickingTimerAnswersItsOwnId) {
  EXPECT_FALSE(button_->OnTimer(button_->PressTimerId() + 1));
  EXPECT_TRUE(button_->OnTimer(button_->PressTimerId()));  // own id, even when idle
  button_->OnPenDown(kInsideX, kInsideY);
  EXPECT_EQ(button_->OnPenReleased(kInsideX, kInsideY), kButtonRect);
  EXPECT_FALSE(button_->IsPressed());
  EXPECT_FALSE(PressTimerRunning());
  EXPECT_EQ(button_->OnPenReleased(kInsideX, kInsideY), kEmptyRect);
  EXPECT_EQ(clicks_, 0);
}

TEST_F(ButtonPressTest, DeletingAPressedButtonStopsItsTimer) {
  PenDown(kInsideX, kInsideY);
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
  EXPECT_EQ(raw->OnPenDown(kInsideX, kInsideY), kButtonRect);
  EXPECT_EQ(raw->OnPenUp(kInsideX, kInsideY), kButtonRect);
  EXPECT_EQ(button_, nullptr);
  EXPECT_EQ(LightControl::PendingDeletions(), 1u);
  Host(nullptr);
  LightControl::DrainDeferredDeletions();
  EXPECT_FALSE(PressTimerRunning());
}

}  // namespace
