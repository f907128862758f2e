// What a tap on a contact row opens, through the shell's registered handlers: the detail
// screen, the SMS screen while the list shows the contacts with SMS, the SMS screen for an
// SMS sender, and the platform editor (never the detail screen) for the new-contact row.
// Also the screen fade before the editor, and the rows' number matching, index characters and
// SMS sender data.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contacts/ContactFieldTable.h"
#include "contacts/ContactListItem.h"
#include "contacts/ContactRowNavigation.h"
#include "contacts/NewContactListItem.h"
#include "contacts/SmsContactListItem.h"
#include "contacts/SmsFilterItem.h"
#include "theme/SettingManager.h"
#include "toolkit/SeparatorItem.h"
#include "toolkit/SmartListControl.h"
#include "unit/toolkit/ToolkitFixture.h"

namespace {

class ContactRowClick : public ToolkitFixture {
 protected:
  void SetUp() override {
    ToolkitFixture::SetUp();
    list_ = std::make_unique<SmartListControl>(hwnd(), RECT{0, 0, 240, 320});
    ContactRowNavigation::SetShowDetailHandler(
        [this](ContactListItem& row) { opened_.push_back("detail " + Name(row)); });
    ContactRowNavigation::SetShowSmsHandler([this](ContactListItem& row, const PhoneEntry& n) {
      opened_.push_back("sms " + Name(row) + " " + std::string(n.number.begin(), n.number.end()));
    });
    ContactRowNavigation::SetTraceSink(
        [this](std::string_view line) { trace_.emplace_back(line); });
  }

  void TearDown() override {
    ContactRowNavigation::Reset();
    list_.reset();
    ToolkitFixture::TearDown();
  }

  static std::string Name(const ContactListItem& row) {
    return std::string(row.display_name.begin(), row.display_name.end());
  }

  static std::unique_ptr<ContactListItem> MakeContact() {
    auto row = std::make_unique<ContactListItem>(36);
    row->display_name = u"Ada";
    row->object_id = 7;
    row->phones = {PhoneEntry{u"111", 0}, PhoneEntry{u"222", contacts::kMobilePhoneProperty}};
    row->sms_count = 1;
    return row;
  }

  std::unique_ptr<SmartListControl> list_;
  std::vector<std::string> opened_;
  std::vector<std::string> trace_;
};

TEST_F(ContactRowClick, ContactOpensDetailOrSmsByTheListsFilterSenderAlwaysSms) {
  auto row = MakeContact();
  SmsContactListItem sender(u"Bob", u"+33123", u"Service Message", true, 36);
  row->OnClick(*list_);
  sender.OnClick(*list_);
  list_->SetFilter(new SmsFilterItem());
  row->OnClick(*list_);
  EXPECT_EQ(opened_, (std::vector<std::string>{"detail Ada", "sms Bob +33123", "sms Ada 222"}));
}

TEST_F(ContactRowClick, NewContactRowRunsTheEditorAndNeverTheDetailScreen) {
  NewContactListItem row(u"New Contact...", 36);
  row.OnClick(*list_);
  list_->SetFilter(new SmsFilterItem());
  row.OnClick(*list_);
  EXPECT_TRUE(opened_.empty());
  ASSERT_EQ(trace_.size(), 2u);
  EXPECT_NE(trace_[0].find("EditInPlatform"), std::string::npos);
  // Once it stands for a stored contact it acts as one.
  list_->SetFilter(nullptr);
  row.object_id = 3;
  row.OnClick(*list_);
  EXPECT_EQ(opened_, (std::vector<std::string>{"detail <New Contact...>"}));
}

TEST_F(ContactRowClick, NothingRegisteredMeansNothingHappens) {
  ContactRowNavigation::Reset();
  auto row = MakeContact();
  row->OnClick(*list_);
  SmsContactListItem sender(u"Bob", u"+33123", u"Service Message", true, 36);
  sender.OnClick(*list_);
  EXPECT_FALSE(ContactRowNavigation::ShowDetail(*row));
  EXPECT_TRUE(opened_.empty());
}

TEST_F(ContactRowClick, FadeDarkensTheWindowAndAsksForARepaint) {
  LightControl screen(RECT{0, 0, 240, 320});
  Host(&screen);
  Pump();
  TakePaints();
  WindowSurface().FillRect(WindowSurface().Bounds(), RGB(255, 255, 255));
  theme::Settings().fade_color = RGB(0, 0, 0);
  ContactRowNavigation::FadeScreenBeforeEditor(hwnd());
  EXPECT_LT(GetRValue(WindowSurface().GetPixel(10, 10)), 128);
  Pump();
  EXPECT_EQ(TakePaints(), (std::vector<RECT>{RECT{0, 0, 240, 320}}));
  ContactRowNavigation::FadeScreenBeforeEditor(nullptr);  // no window: nothing to do
  Pump();
  EXPECT_TRUE(TakePaints().empty());
  theme::Settings().ResetToDefaults();
}

TEST(ContactRowNumbers, StoredContactsNeverMatchAnEmptyAddressSendersMay) {
  ContactListItem contact(36);
  contact.phones = {PhoneEntry{u"+49 171 2345678", 0}};
  EXPECT_TRUE(contact.MatchesNumber(u"01712345678"));
  EXPECT_FALSE(contact.MatchesNumber(u""));

  SmsContactListItem service(u"Operator", u"", u"Service Message", true, 36);
  SmsContactListItem sender(u"Bob", u"+33123", u"Service Message", true, 36);
  const ContactListItem& as_contact = service;  // through the virtual of the base
  EXPECT_TRUE(as_contact.MatchesNumber(u"INFO"));
  EXPECT_FALSE(as_contact.MatchesNumber(u"+33123"));
  EXPECT_TRUE(sender.MatchesNumber(u"+33 123"));
  EXPECT_FALSE(sender.MatchesNumber(u""));
}

TEST(ListRows, RowsWithAnEmptyTextFileUnderASpace) {
  ContactListItem contact(36);
  EXPECT_EQ(contact.GetIndexChar(), u' ');
  contact.text = u"ÉMILE";
  EXPECT_EQ(contact.GetIndexChar(), u'É');
  SeparatorItem separator(u'B', 20);
  EXPECT_EQ(separator.GetIndexChar(), u'B');
  separator.caption.clear();
  EXPECT_EQ(separator.GetIndexChar(), u' ');
}

// The sender's number is its mobile number; a read first SMS counts as read. (The counts of
// an unread first SMS and the sort text are checked through SMS arrivals.)
TEST(ListRows, SmsSenderRowHoldsItsNumberAndFirstSms) {
  SmsContactListItem sender(u"Bob", u"+33123", u"Service Message", false, 36);
  EXPECT_EQ(sender.phones, (std::vector<PhoneEntry>{{u"+33123", 0x0096001F}}));
  SmsContactListItem service(u"Operator", u"", u"Service Message", true, 36);
  EXPECT_EQ(service.unread_sms_count, 0);
  EXPECT_EQ(service.sms_count, 1);
}

}  // namespace
