// The phone pad's key geometry and its pen input: which key a point hits, what a tap sends
// and that a drag ending off the keys sends nothing.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "screens/PhonePad.h"

namespace {

TEST(PhonePadTest, KeyCellsSplitThePadInThreeColumnsAndFourRows) {
  struct Case {
    RECT pad;
    int index;
    RECT cell;
  };
  const Case cases[] = {
      {{0, 0, 240, 120}, 0, {0, 0, 80, 30}},         // "1"
      {{0, 0, 240, 120}, 10, {80, 90, 160, 120}},    // "0"
      {{0, 0, 240, 120}, 11, {160, 90, 240, 120}},   // "#"
      {{0, 152, 240, 280}, 4, {80, 184, 160, 216}},  // "5" of the list screen's pad
      {{0, 0, 100, 50}, 5, {66, 12, 99, 24}},        // divisions round toward zero
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PhonePad::KeyRect(c.pad, c.index), c.cell) << "key " << c.index;
  }
  const RECT pad{0, 0, 240, 120};
  // "0" occupies x 80 to 159 and y 90 to 119.
  for (auto [x, y] : std::vector<std::pair<int, int>>{{80, 90}, {159, 119}, {120, 100}}) {
    EXPECT_EQ(PhonePad::HitTest(pad, x, y), u'0') << x << "," << y;
  }
  EXPECT_EQ(PhonePad::HitTest(pad, 79, 119), u'*');
  EXPECT_EQ(PhonePad::HitTest(pad, 160, 90), u'#');
  EXPECT_EQ(PhonePad::HitTest(pad, 240, 10), PhonePad::kNoKey);
  EXPECT_EQ(PhonePad::HitTest(RECT{0, 0, 100, 50}, 99, 49), PhonePad::kNoKey);  // the remainder
}

TEST(PhonePadTest, TapSendsTheKeyAndADragOffTheKeysSendsNothing) {
  PhonePad pad(nullptr, RECT{0, 0, 240, 120});
  std::vector<std::pair<uint32_t, char16_t>> sent;
  pad.SetKeySender([&](uint32_t vk, char16_t ch) { sent.emplace_back(vk, ch); });
  EXPECT_EQ(pad.PressedKey(), 0xFFFF);

  EXPECT_EQ(pad.OnPenDown(120, 45), pad.rect);
  EXPECT_EQ(pad.PressedKey(), u'5');
  EXPECT_EQ(pad.OnPenUp(120, 45), pad.rect);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0], (std::pair<uint32_t, char16_t>{PhonePad::kPhonePadKey, u'5'}));
  EXPECT_EQ(pad.PressedKey(), PhonePad::kNoKey);

  // Down on "1", off the pad: the move repaints once to drop the pressed key.
  pad.OnPenDown(10, 10);
  EXPECT_EQ(pad.OnPenMove(300, 10), pad.rect);
  EXPECT_EQ(pad.PressedKey(), PhonePad::kNoKey);
  EXPECT_EQ(pad.OnPenMove(310, 10), kEmptyRect);
  EXPECT_EQ(pad.OnPenUp(310, 10), kEmptyRect);
  EXPECT_EQ(sent.size(), 1u);

  // Down outside the pad (or before the pad existed: the pen-up after the long press that
  // opened it): neither the moves nor the pen-up over a key are the pad's.
  EXPECT_EQ(pad.OnPenDown(10, 200), kEmptyRect);
  EXPECT_EQ(pad.OnPenMove(120, 45), kEmptyRect);
  EXPECT_EQ(pad.OnPenUp(120, 45), kEmptyRect);
  PhonePad fresh(nullptr, RECT{0, 0, 240, 120});
  fresh.SetKeySender([&](uint32_t vk, char16_t ch) { sent.emplace_back(vk, ch); });
  EXPECT_EQ(fresh.OnPenUp(120, 45), kEmptyRect);
  EXPECT_EQ(sent.size(), 1u);
}

}  // namespace
