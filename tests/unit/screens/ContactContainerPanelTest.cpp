// The list screen's layout: the list beside the index strip, both above the icon bar's room,
// and the starting filter.
#include "ScreensFixture.h"
#include "contacts/AllContactsFilterItem.h"

namespace {

class ContactContainerPanelTest : public ScreensFixture {};

TEST_F(ContactContainerPanelTest, ConstructionLeavesTheStripColumnAndTheIconBarRoom) {
  MakeScreen();
  // icon_panel_height 40: the list and strip end at 280; the list starts right of the strip.
  EXPECT_EQ(list().rect, (RECT{16, 0, 240, 280}));
  EXPECT_EQ(strip().rect, (RECT{0, 0, 240, 280}));
  ASSERT_EQ(screen_->ChildCount(), 2u);
  EXPECT_EQ(screen_->Child(0), static_cast<LightControl*>(&strip()));
  EXPECT_EQ(screen_->Child(1), static_cast<LightControl*>(&list()));
  EXPECT_NE(dynamic_cast<AllContactsFilterItem*>(list().Filter()), nullptr);
}

TEST_F(ContactContainerPanelTest, ResizeKeepsTheIconBarRoomFreeInBothOrientations) {
  theme::Settings().icon_panel_height = 50;
  MakeScreen();
  screen_->Resize(RECT{0, 0, 240, 320});
  EXPECT_EQ(strip().rect, (RECT{0, 0, 240, 270}));
  EXPECT_EQ(list().rect.bottom, 270);
  EXPECT_EQ(list().rect.left, 16);
  // The panel ends where the main window's height less the icon bar ends (the host window
  // here is 320 high).
  EXPECT_EQ(screen_->rect, (RECT{0, 0, 240, 270}));

  manager().MoveWindow(hwnd(), RECT{0, 0, 320, 240}, true);
  screen_->Resize(RECT{0, 0, 320, 240});
  EXPECT_EQ(strip().rect, (RECT{0, 0, 320, 190}));
  EXPECT_EQ(list().rect.right, 320);
  EXPECT_EQ(screen_->rect, (RECT{0, 0, 320, 190}));
}

TEST_F(ContactContainerPanelTest, TheStripSeesThePenBeforeTheListOnlyAtTheEdges) {
  MakeScreen();
  PenDown(5, 100);
  EXPECT_TRUE(strip().Pressed());
  PenUp(5, 100);
  EXPECT_EQ(jumps_.size(), 1u);
  PenDown(120, 100);
  EXPECT_FALSE(strip().Pressed());
  PenUp(120, 100);
  EXPECT_EQ(jumps_.size(), 1u);
}

}  // namespace
