// Key navigation of the smart list: the first arrow selects the middle row, arrows and page
// keys move and clamp, the action key clicks, and degenerate row heights do not divide by 0.

#include <memory>
#include <vector>

#include "ToolkitFixture.h"
#include "theme/SettingManager.h"
#include "toolkit/SmartListControl.h"

namespace {

constexpr uint32_t kAction = 0x86;

using SmartListKeyTest = HostedListFixture<SmartListControl>;  // rows of 32 px

TEST_F(SmartListKeyTest, FirstArrowSelectsTheMiddleRowWithoutMovingAndFlushesQueuedKeys) {
  Fill(40, 32);
  platform::ui::PostMessage(hwnd(), WM_KEYDOWN, VK_DOWN, 0);
  platform::ui::PostMessage(hwnd(), WM_KEYDOWN, VK_DOWN, 0);
  Key(VK_DOWN);
  Pump();  // the two queued keys were discarded
  // View 320: the first row whose top is at or below 160 is row 5 (top 160).
  EXPECT_EQ(list_->SelectedIndex(), 5);
  EXPECT_EQ(list_->ScrollOffset(), 0);

  // Scrolled: the middle is found from the offset.
  list_->SetSelectedIndex(-1);
  list_->SetScrollOffset(100);
  Key(VK_UP);
  EXPECT_EQ(list_->SelectedIndex(), 9);  // top 288 >= 260
  EXPECT_EQ(list_->ScrollOffset(), 288 - 160);

  // A selection scrolled out of view starts again in the middle.
  list_->SetScrollOffset(800);
  Key(VK_DOWN);
  EXPECT_EQ(list_->SelectedIndex(), 30);  // first top >= 960
}

TEST_F(SmartListKeyTest, ArrowsMoveByOneAndPagesByAViewOfRows) {
  Fill(40, 32);
  Key(VK_DOWN);
  Key(VK_DOWN);
  EXPECT_EQ(list_->SelectedIndex(), 6);
  // The selected row's top comes to the middle of the list.
  EXPECT_EQ(list_->ScrollOffset(), 6 * 32 - 160);
  Key(VK_UP);
  EXPECT_EQ(list_->SelectedIndex(), 5);
  // A page is 320 / 32 = 10 rows. The page jump is longer than 100 px: it is animated, and
  // ends on the same offset.
  Key(VK_RIGHT);
  EXPECT_EQ(list_->SelectedIndex(), 15);
  EXPECT_EQ(list_->ScrollOffset(), 15 * 32 - 160);
  Key(VK_LEFT);
  EXPECT_EQ(list_->SelectedIndex(), 5);
  // The action key clicks the selected row.
  EXPECT_EQ(list_->OnKey(kAction, 0), (RECT{0, 0, 1, 0}));
  EXPECT_EQ(rows_[5]->clicks, 1);
}

TEST_F(SmartListKeyTest, SelectionIsClampedToTheFirstAndLastRowAnEmptyListTakesNoKeys) {
  Fill(12, 32);
  Key(VK_DOWN);
  for (int i = 0; i < 20; ++i) Key(VK_UP);
  EXPECT_EQ(list_->SelectedIndex(), 0);
  Key(VK_LEFT);
  EXPECT_EQ(list_->SelectedIndex(), 0);
  for (int i = 0; i < 3; ++i) Key(VK_RIGHT);
  EXPECT_EQ(list_->SelectedIndex(), 11);
  Key(VK_DOWN);
  EXPECT_EQ(list_->SelectedIndex(), 11);

  // Keys on an empty list are not consumed.
  Fill(0, 32);
  EXPECT_EQ(list_->OnKey(VK_DOWN, 0), kEmptyRect);
  EXPECT_EQ(list_->OnKey(kAction, 0), kEmptyRect);
  EXPECT_EQ(list_->SelectedIndex(), -1);
}

TEST_F(SmartListKeyTest, RowsWithoutHeightGiveAPageOfOneRow) {
  theme::Settings().contact_height = 0;  // the fixture restores the theme
  Fill(10, 0);
  Key(VK_DOWN);
  EXPECT_EQ(list_->SelectedIndex(), 0);
  Key(VK_RIGHT);
  EXPECT_EQ(list_->SelectedIndex(), 1);
  theme::Settings().ResetToDefaults();

  // Height 0 on the last row only: the contact height setting gives the page.
  Fill(30, 32);
  list_->AddItem(std::make_unique<TestRow>(30, 0));
  Key(VK_DOWN);
  const int32_t first = list_->SelectedIndex();
  Key(VK_RIGHT);
  EXPECT_EQ(list_->SelectedIndex(), first + 320 / theme::Settings().contact_height);
}

}  // namespace
