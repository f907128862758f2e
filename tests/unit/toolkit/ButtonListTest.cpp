// A list of buttons: rows at the bottom of the view, a pen-down that presses the button at
// once, taps that run the button's action only when the pen is still on it, long presses.

#include "ToolkitFixture.h"
#include "toolkit/Button.h"
#include "toolkit/ButtonSmartListControl.h"

namespace {

// Three 42 px rows aligned to the bottom of a 320 px view: tops 194, 236, 278.
constexpr int kRowTop[] = {194, 236, 278};
constexpr int kX = 120;

class ButtonListTest : public ToolkitFixture {
 protected:
  void SetUp() override {
    ToolkitFixture::SetUp();
    list_ = std::make_unique<ButtonSmartListControl>(hwnd(), RECT{0, 0, 240, 320});
    for (int i = 0; i < 3; ++i) {
      auto button = std::make_unique<Button>(hwnd(), u"row", nullptr, nullptr);
      button->SetClickAction(std::make_unique<CallbackAction>([this, i] { ++clicks_[i]; }));
      buttons_[i] = button.get();
      list_->AddItem(std::move(button));
    }
    Host(list_.get());
    PaintAll();
  }
  void TearDown() override {
    Host(nullptr);
    list_.reset();
    ToolkitFixture::TearDown();
  }

  std::unique_ptr<ButtonSmartListControl> list_;
  Button* buttons_[3] = {};
  int clicks_[3] = {};
};

TEST_F(ButtonListTest, RowsSitAtTheBottomPenDownPressesAndOnlyATapEndingOnARowRunsIt) {
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(buttons_[i]->rect, (RECT{0, kRowTop[i], 240, kRowTop[i] + 42})) << i;
  }
  PenDown(kX, kRowTop[1] + 10);
  EXPECT_TRUE(buttons_[1]->IsPressed());
  EXPECT_FALSE(buttons_[0]->IsPressed());
  PenUp(kX, kRowTop[1] + 12);
  EXPECT_EQ(clicks_[1], 1);
  EXPECT_EQ(clicks_[0] + clicks_[2], 0);
  for (Button* button : buttons_) EXPECT_FALSE(button->IsPressed());

  // A short move that stays a tap for the list but ends on the next row runs nothing.
  PenDown(kX, kRowTop[1] + 40);
  PenUp(kX, kRowTop[1] + 44);
  EXPECT_EQ(clicks_[1] + clicks_[2], 1);
  for (Button* button : buttons_) EXPECT_FALSE(button->IsPressed());
}

TEST_F(ButtonListTest, LongPressRunsTheLongPressActionOrNothingNeverAClickNorATimer) {
  int long_presses = 0;
  CallbackAction long_press([&] { ++long_presses; });
  buttons_[2]->SetLongPressAction(&long_press);
  PenDown(kX, kRowTop[2] + 5);
  Advance(500);
  EXPECT_EQ(long_presses, 1);
  PenUp(kX, kRowTop[2] + 5);
  EXPECT_EQ(clicks_[2], 0);
  EXPECT_FALSE(buttons_[2]->IsPressed());
  buttons_[2]->SetLongPressAction(nullptr);

  // Without an action it does nothing.
  PenDown(kX, kRowTop[0] + 5);
  Advance(500);
  PenUp(kX, kRowTop[0] + 5);
  EXPECT_EQ(clicks_[0], 0);
  // The buttons' own press timers are never left ticking for rows.
  EXPECT_FALSE(manager().TimeToNextTimer().has_value());
}

}  // namespace
