// The list screen inside the shell: screen switching for rows, the two filter toggles, the
// index strip's jump through the window-level key dispatch, and the list screen's dump.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ShellFixture.h"
#include "contacts/AllContactsFilterItem.h"
#include "contacts/ContactListItem.h"
#include "contacts/ContactRowNavigation.h"
#include "contacts/ContactSmartListControl.h"
#include "contacts/FavoriteFilterItem.h"
#include "contacts/SmsFilterItem.h"
#include "messaging/SMSPanel.h"
#include "platform/ui/DumpRegistry.h"
#include "screens/ContactContainerPanel.h"
#include "screens/ContactDetailPanel.h"
#include "screens/LeftSearchPanel.h"
#include "shell/Navigation.h"
#include "shell/ScreenSwitch.h"
#include "toolkit/SeparatorItem.h"

namespace {

class ListScreenShellTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    Start();
    list().WaitForLoading();
    manager_->PumpUntilIdle();
  }
  void TearDown() override {
    ContactRowNavigation::Reset();
    ShellFixture::TearDown();
  }

  // A pointer message through the main window, handled before this returns.
  void Pen(UINT message, int x, int y) {
    const auto packed = static_cast<LPARAM>((static_cast<uint32_t>(y) & 0xFFFF) << 16 |
                                            (static_cast<uint32_t>(x) & 0xFFFF));
    manager_->PostMessage(hwnd_, message, 0, packed);
    manager_->PumpUntilIdle();
  }

  ContactSmartListControl& list() { return app().list_screen->ContactList(); }
  // Which screen is visible: "list", "detail", "sms" (or several, comma-separated).
  std::string VisibleScreens() {
    std::string out;
    auto add = [&out](bool visible, const char* name) {
      if (!visible) return;
      if (!out.empty()) out += ",";
      out += name;
    };
    add(app().list_screen->visible, "list");
    add(app().detail_screen->visible, "detail");
    add(app().sms_screen->visible, "sms");
    return out;
  }
};

TEST_F(ListScreenShellTest, ContactRowsOpenTheDetailAndSmsScreensOtherRowsDoNot) {
  ContactListItem contact(30);
  SeparatorItem separator(u'A', 20);
  shell::ShowDetailPanel(hwnd_, &separator);
  shell::ShowDetailPanel(hwnd_, nullptr);
  shell::ShowSmsPanel(hwnd_, &separator, PhoneEntry{u"123", 0});
  EXPECT_EQ(VisibleScreens(), "list");

  shell::ShowDetailPanel(hwnd_, &contact);
  EXPECT_EQ(VisibleScreens(), "detail");
  shell::ShowMainPanel(hwnd_, false);
  EXPECT_EQ(VisibleScreens(), "list");

  shell::ShowSmsPanel(hwnd_, &contact, PhoneEntry{u"123", 0});
  EXPECT_EQ(VisibleScreens(), "sms");
  shell::ShowMainPanel(hwnd_, false);
  EXPECT_EQ(VisibleScreens(), "list");
}

TEST_F(ListScreenShellTest, TappedRowsReachTheScreensThroughTheRegisteredNavigation) {
  ContactListItem contact(30);
  EXPECT_TRUE(ContactRowNavigation::ShowDetail(contact));
  EXPECT_EQ(VisibleScreens(), "detail");
  shell::ShowMainPanel(hwnd_, false);
  EXPECT_TRUE(ContactRowNavigation::ShowSms(contact, PhoneEntry{u"555", 0}));
  EXPECT_EQ(VisibleScreens(), "sms");
}

TEST_F(ListScreenShellTest, FilterTogglesSwitchBetweenTheirFilterAndAllContacts) {
  auto filter_is = [this]<typename T>(T*) { return dynamic_cast<T*>(list().Filter()) != nullptr; };
  ASSERT_TRUE(filter_is(static_cast<AllContactsFilterItem*>(nullptr)));
  shell::ToggleSmsFilter(hwnd_);
  EXPECT_TRUE(filter_is(static_cast<SmsFilterItem*>(nullptr)));
  shell::ToggleSmsFilter(hwnd_);
  EXPECT_TRUE(filter_is(static_cast<AllContactsFilterItem*>(nullptr)));
  shell::ToggleFavoriteFilter(hwnd_);
  EXPECT_TRUE(filter_is(static_cast<FavoriteFilterItem*>(nullptr)));
  // From the favourites, the SMS toggle goes to the SMS filter, not back to all contacts.
  shell::ToggleSmsFilter(hwnd_);
  EXPECT_TRUE(filter_is(static_cast<SmsFilterItem*>(nullptr)));
  shell::ToggleFavoriteFilter(hwnd_);
  EXPECT_TRUE(filter_is(static_cast<FavoriteFilterItem*>(nullptr)));
  shell::ToggleFavoriteFilter(hwnd_);
  EXPECT_TRUE(filter_is(static_cast<AllContactsFilterItem*>(nullptr)));
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
  EXPECT_NE(dynamic_cast<AllContactsFilterItem*>(list().Filter()), nullptr);
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

// Contacts with SMS counts (unread, total): ALPHA (1, 3), BRAVO (3, 3), CHARLIE (0, 2) and
// DELTA without SMS; then the SMS filter is toggled on. Returns the displayed contact names in
// order with "|read|" where the "Read SMS" separator is, and that separator's height.
std::pair<std::vector<std::u16string>, int32_t> ShowSmsContacts(ContactSmartListControl& list,
                                                                platform::ui::HWND hwnd) {
  struct Row {
    const char16_t* name;
    int32_t unread, total;
  };
  const Row rows[] = {{u"ALPHA", 1, 3}, {u"BRAVO", 3, 3}, {u"CHARLIE", 0, 2}, {u"DELTA", 0, 0}};
  {
    std::lock_guard lock(list.ListLock());
    uint64_t time = 1000;
    for (const Row& row : rows) {
      auto contact = std::make_unique<ContactListItem>(30);
      contact->text = row.name;
      contact->display_name = row.name;
      contact->unread_sms_count = row.unread;
      contact->sms_count = row.total;
      contact->newest_sms_time = row.total > 0 ? time++ : 0;
      list.AddItem(std::move(contact));
    }
  }
  shell::ToggleSmsFilter(hwnd);
  std::vector<std::u16string> order;
  int32_t read_separator_height = -1;
  std::lock_guard lock(list.ListLock());
  for (size_t i = 0; i < list.DisplayedCount(); ++i) {
    IListItem* row = list.DisplayedItem(i);
    if (auto contact = dynamic_cast<ContactListItem*>(row)) {
      order.push_back(contact->display_name);
    } else if (auto separator = dynamic_cast<SeparatorItem*>(row);
               separator && separator->caption == u"Read SMS") {
      order.push_back(u"|read|");
      read_separator_height = separator->height;
    }
  }
  return {order, read_separator_height};
}

std::vector<std::u16string> WithoutSeparators(std::vector<std::u16string> order) {
  std::erase(order, u"|read|");
  return order;
}

TEST_F(ListScreenShellTest, TheSmsFilterPutsTheMostUnreadFirst) {
  const auto [order, height] = ShowSmsContacts(list(), hwnd_);
  const std::vector<std::u16string> expected{u"BRAVO", u"ALPHA", u"CHARLIE"};
  EXPECT_EQ(WithoutSeparators(order), expected);
}

// The "Read SMS" row parts the contacts with unread SMS from the others; the filter must
// display it for that.
TEST_F(ListScreenShellTest, TheSmsFilterShowsTheReadSeparatorAfterTheUnread) {
  const auto [order, height] = ShowSmsContacts(list(), hwnd_);
  const std::vector<std::u16string> expected{u"BRAVO", u"ALPHA", u"|read|", u"CHARLIE"};
  EXPECT_EQ(order, expected);
  EXPECT_GT(height, 0);
}

TEST_F(ListScreenShellTest, TheDumpDescribesTheListScreen) {
  const std::string dump = platform::ui::DumpRegistry::Instance().Write(*manager_);
  EXPECT_NE(dump.find("\"list_screen\":{\"visible\":true"), std::string::npos) << dump;
  EXPECT_NE(dump.find("\"filter\":\"AllContactsFilterItem\""), std::string::npos);
  EXPECT_NE(dump.find("\"index_strip\":{"), std::string::npos);
  EXPECT_NE(dump.find("\"rows\":["), std::string::npos);
}

}  // namespace
