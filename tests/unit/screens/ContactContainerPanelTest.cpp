// The list screen's layout: the list beside the index strip, both above the icon bar's room.
#include "ScreensFixture.h"

namespace {

class ContactContainerPanelTest : public ScreensFixture {};

TEST_F(ContactContainerPanelTest, ConstructionLeavesTheStripColumnAndTheIconBarRoom) {
  MakeScreen();
  // icon_panel_height 40: the list and strip end at 280; the list starts right of the strip.
  EXPECT_EQ(list().rect, (RECT{16, 0, 240, 280}));
  EXPECT_EQ(strip().rect, (RECT{0, 0, 240, 280}));
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

}  // namespace
