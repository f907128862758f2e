// The gesture control inside the shell: a horizontal swipe across more than half the screen
// switches the contact list between all contacts and favourites and returns to the list from
// any screen; shorter swipes, slanted ones and swipes that end on the icon bar do nothing.
#include <string>

#include "ShellFixture.h"
#include "contacts/AllContactsFilterItem.h"
#include "contacts/ContactSmartListControl.h"
#include "contacts/FavoriteFilterItem.h"
#include "platform/Clock.h"
#include "screens/ContactContainerPanel.h"
#include "screens/ContactDetailPanel.h"
#include "shell/ScreenSwitch.h"
#include "theme/SettingManager.h"

namespace {

class GestureTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    Start();
    list().WaitForLoading();
    manager_->PumpUntilIdle();
  }

  void Pen(UINT message, int x, int y) {
    const auto packed = static_cast<LPARAM>((static_cast<uint32_t>(y) & 0xFFFF) << 16 |
                                            (static_cast<uint32_t>(x) & 0xFFFF));
    manager_->PostMessage(hwnd_, message, 0, packed);
    manager_->PumpUntilIdle();
  }
  void Swipe(int x1, int y1, int x2, int y2) {
    Pen(WM_LBUTTONDOWN, x1, y1);
    platform::Clock::Advance(300);
    Pen(WM_LBUTTONUP, x2, y2);
  }

  ContactSmartListControl& list() { return app().list_screen->ContactList(); }
  std::string FilterKind() {
    if (dynamic_cast<FavoriteFilterItem*>(list().Filter())) return "favourites";
    if (dynamic_cast<AllContactsFilterItem*>(list().Filter())) return "all";
    return list().Filter() ? "other" : "none";
  }
};

TEST_F(GestureTest, SwipeTogglesBetweenAllContactsAndFavourites) {
  ASSERT_EQ(FilterKind(), "all");
  Swipe(200, 100, 70, 110);  // 130 px on a 240 px screen, 10 px down
  EXPECT_EQ(FilterKind(), "favourites");
  Swipe(50, 150, 180, 150);
  EXPECT_EQ(FilterKind(), "all");
}

TEST_F(GestureTest, ShortSlantedOrIconBarSwipesDoNothing) {
  Swipe(200, 100, 80, 100);  // 120 px: not more than half the width
  EXPECT_EQ(FilterKind(), "all");
  Swipe(200, 100, 60, 130);  // 30 px down
  EXPECT_EQ(FilterKind(), "all");
  const int icon_bar_top = 320 - theme::Settings().icon_panel_height;
  Swipe(200, icon_bar_top, 20, icon_bar_top);  // ends on the icon bar
  EXPECT_EQ(FilterKind(), "all");
}

TEST_F(GestureTest, SwipeOnAnotherScreenReturnsToTheList) {
  app().list_screen->visible = false;
  app().detail_screen->visible = true;
  Swipe(20, 100, 200, 100);
  EXPECT_TRUE(app().list_screen->visible);
  EXPECT_FALSE(app().detail_screen->visible);
  EXPECT_EQ(FilterKind(), "all") << "the favourites toggle acts on the visible list only";
}

}  // namespace
