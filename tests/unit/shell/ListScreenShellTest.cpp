// The list screen inside the shell: screen switching for rows, the two filter toggles, the
// index strip's jump through the window-level key dispatch, and the SMS filter's rows.
#include <memory>
#include <string>
#include <utility>
#include <vector>

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

TEST_F(ListScreenShellTest, TheStripJumpGoesThroughTheWindowKeyDispatch) {
  {
    std::lock_guard lock(list().ListLock());
    list().ClearFilter();
    list().AddItem(std::make_unique<SeparatorItem>(u'A', 400));
    list().AddItem(std::make_unique<SeparatorItem>(u'M', 400));
    list().Resort();
  }
  LeftSearchPanel& strip = app().list_screen->IndexStrip();
  const int y = static_cast<int>(LeftSearchPanel::kLetterMargin + strip.LetterSpacing() * 13);
  Pen(WM_LBUTTONDOWN, 5, y);
  EXPECT_TRUE(strip.Pressed());
  Pen(WM_LBUTTONUP, 5, y);
  EXPECT_FALSE(strip.Pressed());
  EXPECT_EQ(strip.CurrentLetter(), u'M');
}

// The "Read SMS" row parts the contacts with unread SMS from the others; the filter toggled
// through the shell must display it, with the most unread first.
TEST_F(ListScreenShellTest, TheSmsFilterShowsTheMostUnreadFirstAndTheReadSeparator) {
  struct Row {
    const char16_t* name;
    int32_t unread, total;
  };
  const Row rows[] = {{u"ALPHA", 1, 3}, {u"BRAVO", 3, 3}, {u"CHARLIE", 0, 2}, {u"DELTA", 0, 0}};
  {
    std::lock_guard lock(list().ListLock());
    uint64_t time = 1000;
    for (const Row& row : rows) {
      auto contact = std::make_unique<ContactListItem>(30);
      contact->text = row.name;
      contact->display_name = row.name;
      contact->unread_sms_count = row.unread;
      contact->sms_count = row.total;
      contact->newest_sms_time = row.total > 0 ? time++ : 0;
      list().AddItem(std::move(contact));
    }
  }
  shell::ToggleSmsFilter(hwnd_);
  std::vector<std::u16string> order;
  int32_t read_separator_height = -1;
  std::lock_guard lock(list().ListLock());
  for (size_t i = 0; i < list().DisplayedCount(); ++i) {
    IListItem* row = list().DisplayedItem(i);
    if (auto contact = dynamic_cast<ContactListItem*>(row)) {
      order.push_back(contact->display_name);
    } else if (auto separator = dynamic_cast<SeparatorItem*>(row);
               separator && separator->caption == u"Read SMS") {
      order.push_back(u"|read|");
      read_separator_height = separator->height;
    }
  }
  EXPECT_EQ(order, (std::vector<std::u16string>{u"BRAVO", u"ALPHA", u"|read|", u"CHARLIE"}));
  EXPECT_GT(read_separator_height, 0);
}

}  // namespace
