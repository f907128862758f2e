// The gesture control inside the shell: a horizontal swipe across more than half the screen
// switches the contact list between all contacts and favourites and returns to the list from
// any screen; shorter swipes, slanted ones and swipes that end on the icon bar do nothing.
#include "ShellFixture.h"
#include "theme/SettingManager.h"

namespace {

class GestureTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    StartLoaded();
  }

  void Swipe(int x1, int y1, int x2, int y2) {
    Pen(WM_LBUTTONDOWN, x1, y1);
    platform::Clock::Advance(300);
    Pen(WM_LBUTTONUP, x2, y2);
  }
};

TEST_F(GestureTest, OnlyAWideLevelSwipeAboveTheIconBarTogglesTheFavourites) {
  Swipe(200, 100, 80, 100);  // 120 px: not more than half the width
  EXPECT_EQ(FilterKind(), "all");
  Swipe(200, 100, 60, 130);  // 30 px down
  EXPECT_EQ(FilterKind(), "all");
  const int icon_bar_top = 320 - theme::Settings().icon_panel_height;
  Swipe(200, icon_bar_top, 20, icon_bar_top);  // ends on the icon bar
  EXPECT_EQ(FilterKind(), "all");
  Swipe(200, 100, 70, 110);  // 130 px on a 240 px screen, 10 px down
  EXPECT_EQ(FilterKind(), "favourites");
}

TEST_F(GestureTest, SwipeOnAnotherScreenReturnsToTheList) {
  app().list_screen->visible = false;
  app().detail_screen->visible = true;
  Swipe(20, 100, 200, 100);
  EXPECT_EQ(VisibleScreens(), "list");
  EXPECT_EQ(FilterKind(), "all") << "the favourites toggle acts on the visible list only";
}

}  // namespace
