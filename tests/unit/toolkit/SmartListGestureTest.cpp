// Pen gestures of the smart list, driven with scripted pen input on the virtual clock: taps,
// drags, flings and their decay, overshoot and spring-back, long presses, and the rule that
// a tap during a fling only stops it.

#include <memory>
#include <utility>
#include <vector>

#include "ToolkitFixture.h"
#include "toolkit/SmartListControl.h"

namespace {

class PressRecordingList : public SmartListControl {
 public:
  using SmartListControl::SmartListControl;
  void OnItemLongPress(IListItem* item, int x, int y) override {
    long_presses.push_back({item, x, y});
  }
  struct Press {
    IListItem* item;
    int x;
    int y;
  };
  std::vector<Press> long_presses;
};

class SmartListGestureTest : public HostedListFixture<PressRecordingList> {
 protected:
  // A list over the whole 240x320 window with `count` rows of 36 px.
  void Fill(int count, int32_t row_height = 36) { HostedListFixture::Fill(count, row_height); }
  int TotalClicks() const { return Total(&TestRow::clicks); }
  // The offset after each fling tick until the fling timer is gone.
  std::vector<int32_t> RunFling() {
    std::vector<int32_t> offsets;
    for (int tick = 0; tick < 200 && (list_->IsFlinging() || offsets.empty()); ++tick) {
      Advance(30);
      offsets.push_back(list_->ScrollOffset());
    }
    return offsets;
  }
};

TEST_F(SmartListGestureTest, TapRuleNeedsLessThanSevenPixelsAndTwentyTravel) {
  Fill(20);
  // 6 px away: a tap on the row under the release point.
  PenDown(100, 50);
  Advance(50);
  PenMove(100, 53);
  PenUp(100, 56);
  EXPECT_EQ(rows_[1]->clicks, 1);
  EXPECT_EQ(list_->SelectedIndex(), 1);

  // 7 px: a drag, nothing clicked.
  PenDown(100, 50);
  Advance(300);
  PenUp(100, 57);
  EXPECT_EQ(TotalClicks(), 1);

  // Back and forth to the start: 20 px travel is no tap, 13 px still is (the moves stay
  // under the 500 ms of a long press).
  const std::pair<std::vector<int>, int> cases[] = {{{55, 45, 50}, 1}, {{54, 45}, 2}};
  for (const auto& [moves, clicks] : cases) {
    list_->SetScrollOffset(0);
    PenDown(100, 50);
    for (int y : moves) {
      Advance(150);
      PenMove(100, y);
    }
    PenUp(100, 50);
    EXPECT_EQ(TotalClicks(), clicks) << moves.size();
    Advance(300);
  }
}

TEST_F(SmartListGestureTest, DragMovesTheContentWithTheFingerAndFlingsOnlyWhenFastAtTheEnd) {
  Fill(100);
  PenDown(100, 300);
  Advance(300);
  PenMove(100, 260);
  EXPECT_EQ(list_->ScrollOffset(), 40);
  Advance(300);
  PenMove(120, 280);
  EXPECT_EQ(list_->ScrollOffset(), 20);
  Advance(300);
  PenUp(120, 280);
  EXPECT_FALSE(list_->IsFlinging());
  EXPECT_EQ(TotalClicks(), 0);

  // A fast drag released after holding still does not fling.
  Drag(100, 300, 140, 8, 16);
  Advance(200);
  PenUp(100, 140);
  EXPECT_FALSE(list_->IsFlinging());
  Advance(100);
  EXPECT_EQ(list_->ScrollOffset(), 20 + 160);

  // Nor does a slow one: 3 px per move keeps the speed estimate at or below 7.
  Drag(100, 300, 270, 10, 16);
  PenUp(100, 270);
  EXPECT_FALSE(list_->IsFlinging());
}

TEST_F(SmartListGestureTest, FastReleaseFlingsEitherWayWithAQuarterOfTheDragAndDecays) {
  Fill(100);
  // 160 px upward in 8 quick moves: the fling starts with a step of 40.
  Drag(100, 300, 140, 8, 16);
  EXPECT_EQ(list_->ScrollOffset(), 160);
  PenUp(100, 140);
  ASSERT_TRUE(list_->IsFlinging());
  EXPECT_EQ(TotalClicks(), 0);

  const std::vector<int32_t> offsets = RunFling();
  std::vector<int32_t> steps;
  int32_t previous = 160;
  for (int32_t offset : offsets) {
    steps.push_back(offset - previous);
    previous = offset;
  }
  // 40 / 1.02 truncated is 39, then 38, 37 ... down to 3, the first step below 4, which is
  // still applied; the tick after that only stops the timer.
  std::vector<int32_t> expected;
  for (int32_t step = 39; step >= 3; --step) expected.push_back(step);
  EXPECT_EQ(steps, expected);  // and no more: the fling ended
  const int32_t final_offset = list_->ScrollOffset();
  Advance(30);
  EXPECT_EQ(list_->ScrollOffset(), final_offset);
  EXPECT_FALSE(manager().TimeToNextTimer().has_value());

  // A downward fling scrolls toward the top.
  list_->SetScrollOffset(2000);
  Drag(100, 100, 260, 8, 16);
  PenUp(100, 260);
  ASSERT_TRUE(list_->IsFlinging());
  Advance(30);
  EXPECT_EQ(list_->ScrollOffset(), 2000 - 160 - 39);
}

TEST_F(SmartListGestureTest, OvershootIsThirtyPixelsSpringsBackThreeEveryTwentyMsStopsFlings) {
  Fill(20);  // content 720, max 400
  PenDown(100, 50);
  Advance(300);
  PenMove(100, 250);
  EXPECT_EQ(list_->ScrollOffset(), -30);
  Advance(300);  // hold still: no fling on release, the spring-back already runs
  PenUp(100, 250);
  EXPECT_FALSE(list_->IsFlinging());
  // The spring-back timer restarted at the last move; it has been ticking since.
  list_->SetScrollOffset(-30);
  std::vector<int32_t> offsets;
  for (int i = 0; i < 11; ++i) {
    Advance(20);
    offsets.push_back(list_->ScrollOffset());
  }
  EXPECT_EQ(offsets, (std::vector<int32_t>{-27, -24, -21, -18, -15, -12, -9, -6, -3, 0, 0}));
  EXPECT_FALSE(manager().TimeToNextTimer().has_value());

  // The other end: never more than 30 px past max, back to max.
  list_->SetScrollOffset(list_->MaxScrollOffset() + 100);
  EXPECT_EQ(list_->ScrollOffset(), list_->MaxScrollOffset() + 30);
  Advance(20);
  EXPECT_EQ(list_->ScrollOffset(), list_->MaxScrollOffset() + 27);
  Advance(400);
  EXPECT_EQ(list_->ScrollOffset(), list_->MaxScrollOffset());

  // A fling stops before it passes the overshoot limit.
  list_->SetScrollOffset(300);
  Drag(100, 300, 60, 8, 16);  // 300 + 240 = 540, held at max + 30
  EXPECT_EQ(list_->ScrollOffset(), 430);
  PenUp(100, 60);
  ASSERT_TRUE(list_->IsFlinging());
  Advance(30);
  EXPECT_FALSE(list_->IsFlinging());
  EXPECT_EQ(list_->ScrollOffset(), 430);
  Advance(2000);
  EXPECT_EQ(list_->ScrollOffset(), 400);
  EXPECT_FALSE(manager().TimeToNextTimer().has_value());
}

TEST_F(SmartListGestureTest, LongPressAfterFiveHundredMsOnARowStillThereAndThePenUpIsIgnored) {
  Fill(20);
  PenDown(100, 50);
  Advance(499);
  EXPECT_TRUE(list_->long_presses.empty());
  Advance(1);
  ASSERT_EQ(list_->long_presses.size(), 1u);
  EXPECT_EQ(list_->long_presses[0].item, rows_[1]);
  EXPECT_EQ(list_->long_presses[0].x, 100);
  EXPECT_EQ(list_->long_presses[0].y, 50);
  PenUp(100, 50);
  EXPECT_EQ(TotalClicks(), 0);
  EXPECT_EQ(list_->SelectedIndex(), -1);

  // Travel of 20 px before the timer: no long press.
  PenDown(100, 50);
  PenMove(110, 60);
  PenMove(100, 50);
  Advance(600);
  EXPECT_EQ(list_->long_presses.size(), 1u);
  PenUp(100, 50);

  // A release before 500 ms kills the press timer.
  PenDown(100, 50);
  Advance(100);
  PenUp(100, 50);
  Advance(1000);
  EXPECT_EQ(list_->long_presses.size(), 1u);

  // A long press on a row removed meanwhile does nothing.
  PenDown(100, 50);
  std::unique_ptr<IListItem> removed = list_->RemoveItem(rows_[1]);
  Advance(600);
  EXPECT_EQ(list_->long_presses.size(), 1u);
  PenUp(100, 50);
}

TEST_F(SmartListGestureTest, TapDuringFlingStopsItWithoutClicking) {
  Fill(100);
  Drag(100, 300, 140, 8, 16);
  PenUp(100, 140);
  Advance(30);
  ASSERT_TRUE(list_->IsFlinging());
  const int32_t offset = list_->ScrollOffset();
  PenDown(100, 100);
  Advance(30);  // the fling timer ticks once more and goes away
  PenUp(100, 100);
  EXPECT_FALSE(list_->IsFlinging());
  EXPECT_EQ(TotalClicks(), 0);
  EXPECT_EQ(list_->SelectedIndex(), -1);
  Advance(300);
  EXPECT_EQ(list_->ScrollOffset(), offset);

  // The next tap clicks again.
  Tap(100, 100);
  EXPECT_EQ(TotalClicks(), 1);
}

TEST_F(SmartListGestureTest, ShortOrEmptyListNeverScrollsNorStartsTimersATapBelowItDoesNothing) {
  for (int count : {0, 5}) {  // 5 rows: 180 px in a 320 px view
    Fill(count);
    Drag(100, 300, 10, 5, 16);
    EXPECT_EQ(list_->ScrollOffset(), 0) << count;
    PenMove(100, 300);
    PenUp(100, 300);
    EXPECT_EQ(list_->ScrollOffset(), 0) << count;
    EXPECT_FALSE(list_->IsFlinging()) << count;
    EXPECT_FALSE(manager().TimeToNextTimer().has_value()) << count;
  }
  list_->SetScrollOffset(SmartListControl::kScrollToEnd);
  EXPECT_EQ(list_->ScrollOffset(), 0);

  // A tap below the last row selects and clicks nothing, and starts no press timer.
  Tap(100, 200);
  EXPECT_EQ(TotalClicks(), 0);
  EXPECT_EQ(list_->SelectedIndex(), -1);
  Advance(600);
  EXPECT_TRUE(list_->long_presses.empty());
}

TEST_F(SmartListGestureTest, PenOutsideTheListIsIgnored) {
  HostedListFixture::Fill(20, 36, RECT{0, 40, 240, 200});
  PenDown(100, 250);
  PenMove(100, 100);
  PenUp(100, 100);
  EXPECT_EQ(list_->ScrollOffset(), 0);
  // Inside, rows are found relative to the list's top.
  PenDown(100, 40 + 37);
  Advance(600);
  ASSERT_EQ(list_->long_presses.size(), 1u);
  EXPECT_EQ(list_->long_presses[0].item, list_->DisplayedItem(1));
  EXPECT_EQ(list_->long_presses[0].y, 37);
}

}  // namespace
