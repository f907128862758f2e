// The list screen inside the shell: screen switching for rows and the two filter toggles.
#include <utility>

#include "ShellFixture.h"
#include "contacts/ContactListItem.h"
#include "contacts/ContactRowNavigation.h"
#include "screens/LeftSearchPanel.h"
#include "shell/Navigation.h"
#include "shell/ScreenSwitch.h"
#include "toolkit/SeparatorItem.h"

namespace {

class ListScreenShellTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    StartLoaded();
  }
  void TearDown() override {
    ContactRowNavigation::Reset();
    ShellFixture::TearDown();
  }
};

// Tapped contact rows reach the screens through the navigation the shell registers; other
// rows open nothing.
TEST_F(ListScreenShellTest, ContactRowsOpenTheDetailAndSmsScreensOtherRowsDoNot) {
  ContactListItem contact(30);
  SeparatorItem separator(u'A', 20);
  shell::ShowDetailPanel(hwnd_, &separator);
  shell::ShowDetailPanel(hwnd_, nullptr);
  shell::ShowSmsPanel(hwnd_, &separator, PhoneEntry{u"123", 0});
  EXPECT_EQ(VisibleScreens(), "list");

  EXPECT_TRUE(ContactRowNavigation::ShowDetail(contact));
  EXPECT_EQ(VisibleScreens(), "detail");
  shell::ShowMainPanel(hwnd_, false);
  EXPECT_EQ(VisibleScreens(), "list");

  EXPECT_TRUE(ContactRowNavigation::ShowSms(contact, PhoneEntry{u"555", 0}));
  EXPECT_EQ(VisibleScreens(), "sms");
  shell::ShowMainPanel(hwnd_, false);
  EXPECT_EQ(VisibleScreens(), "list");
}

TEST_F(ListScreenShellTest, FilterTogglesSwitchBetweenTheirFilterAndAllContacts) {
  const std::pair<void (*)(platform::ui::HWND), const char*> steps[] = {
      {shell::ToggleSmsFilter, "sms"},
      {shell::ToggleSmsFilter, "all"},
      {shell::ToggleFavoriteFilter, "favourites"},
      {shell::ToggleSmsFilter, "sms"},  // from the favourites: to SMS, not back to all
      {shell::ToggleFavoriteFilter, "favourites"},
      {shell::ToggleFavoriteFilter, "all"},
  };
  ASSERT_EQ(FilterKind(), "all");
  for (const auto& [toggle, kind] : steps) {
    toggle(hwnd_);
    EXPECT_EQ(FilterKind(), kind);
  }
  EXPECT_EQ(VisibleScreens(), "list");
}

TEST_F(ListScreenShellTest, ATogglePressedOverAnotherScreenOnlyReturnsToTheList) {
  ContactListItem contact(30);
  LeftSearchPanel& strip = app().list_screen->IndexStrip();
  strip.OnPenDown(5, 100);
  ASSERT_TRUE(strip.Pressed());
  shell::ShowDetailPanel(hwnd_, &contact);  // the transition drops the press
  EXPECT_FALSE(strip.Pressed());
  shell::ToggleSmsFilter(hwnd_);
  EXPECT_EQ(VisibleScreens(), "list");
  EXPECT_EQ(FilterKind(), "all");
}

}  // namespace
