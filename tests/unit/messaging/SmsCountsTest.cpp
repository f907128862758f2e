// Per-contact SMS counts and pseudo-contacts on a real store: the live count of a new SMS and
// both recount forms.
#include <gtest/gtest.h>

#include "SmsStoreFixture.h"
#include "messaging/SmsBridge.h"
#include "messaging/SmsCounts.h"
#include "theme/SettingManager.h"
#include "toolkit/SeparatorItem.h"

using sms_test::Time;

namespace {

class SmsCountsTest : public sms_test::SmsListFixture {
 protected:
  // Runs the live count for the Inbox message with this entry id, as its arrival does.
  void Arrive(const std::vector<uint8_t>& id) {
    NewSmsNotice notice;
    notice.entry.entry_id = id;
    ASSERT_NE(AttachArrivedSms(*list_, notice), ArrivedSms::kUnopened);
  }
};

void ExpectCounts(const BaseItem& row, int unread, int total) {
  EXPECT_EQ(row.unread_sms_count, unread);
  EXPECT_EQ(row.sms_count, total);
}

}  // namespace

TEST_F(SmsCountsTest, ArrivalCountsOnTheFirstMatchingContactInListOrder) {
  ContactListItem* ann = AddContact(u"Ann", {u"030 111", u"0171 2345678"});
  ContactListItem* bob = AddContact(u"Bob", {u"+49 171 2345678"});
  Arrive(Receive(u"+491712345678", u"one", false, Time(1700000000)));
  Arrive(Receive(u"01712345678", u"two", true, Time(1600000000)));
  ExpectCounts(*ann, 1, 2);
  ExpectCounts(*bob, 0, 0);
  EXPECT_EQ(ann->newest_sms_time, Time(1700000000));  // an older SMS keeps the newer time
  EXPECT_TRUE(Pseudo().empty());
}

TEST_F(SmsCountsTest, StrangersGetOnePseudoContactAndServiceSendersTheServiceName) {
  AddContact(u"Ann", {u"112"});
  Arrive(Receive(u"+44 7700 900123", u"hi", false, Time(1700000000), u"Stranger"));
  Arrive(Receive(u"07700900123", u"again", true));
  Arrive(Receive(u"MyNetwork", u"balance", false, Time(1700000000), u"MyNetwork"));
  Arrive(Receive(u"OtherNet", u"offer", true, Time(1700000000), u"OtherNet"));
  std::vector<SmsContactListItem*> pseudo = Pseudo();
  ASSERT_EQ(pseudo.size(), 2u);
  EXPECT_EQ(pseudo[0]->display_name, u"Stranger");
  EXPECT_EQ(pseudo[0]->second_line, u"+447700900123");
  EXPECT_EQ(pseudo[0]->text, u"ZZStranger");
  ExpectCounts(*pseudo[0], 1, 2);
  // Senders without digits share the service row.
  EXPECT_EQ(pseudo[1]->display_name, theme::Settings().txt_ServiceMessageName);
  ExpectCounts(*pseudo[1], 1, 2);
}

TEST_F(SmsCountsTest, BothRecountFormsCountTheInboxOnlyAndLeaveSeparatorsAlone) {
  ContactListItem* ann = AddContact(u"Ann", {u"0171 2345678", u"0301234567"});
  ContactListItem* bob = AddContact(u"Bob", {u"112"});
  SeparatorItem* separator;
  {
    std::lock_guard lock(list_->ListLock());
    auto row = std::make_unique<SeparatorItem>(u'0', 0);
    row->unread_sms_count = 0xFFFFFF;
    row->sms_count = 0xFFFFFF;
    separator = static_cast<SeparatorItem*>(list_->AddItem(std::move(row)));
  }
  bob->unread_sms_count = 7;  // stale counts are replaced
  bob->sms_count = 9;
  Receive(u"+491712345678", u"a", false, Time(1700000000));
  Receive(u"030 1234567", u"b", true, Time(1700000500));
  Receive(u"5112", u"c", false);  // four digits ending in Bob's three: not Bob
  Receive(u"+447700900123", u"d", true, Time(1700000000), u"Stranger");
  Send(sms_test::kSent, {u"01712345678"}, u"sent ones are not counted");

  for (bool rows_form : {false, true}) {
    SCOPED_TRACE(rows_form ? "row form" : "message form");
    if (rows_form) {
      ann->newest_sms_time = 0;
      RecountSmsFromRows(*list_);
    } else {
      RecountSms(*list_);
    }
    ExpectCounts(*ann, 1, 2);
    ExpectCounts(*bob, 0, 0);
    ExpectCounts(*separator, 0xFFFFFF, 0xFFFFFF);
    std::vector<SmsContactListItem*> pseudo = Pseudo();
    ASSERT_EQ(pseudo.size(), 2u);  // "5112" and the stranger, made by the first run only
    for (SmsContactListItem* row : pseudo) ExpectCounts(*row, row->second_line == u"5112", 1);
    // Only the per-message form follows the newest SMS time.
    EXPECT_EQ(ann->newest_sms_time, rows_form ? 0u : Time(1700000500));
  }
}
