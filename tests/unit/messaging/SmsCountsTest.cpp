// Per-contact SMS counts and pseudo-contacts on a real store: the live count of a new SMS,
// both recount forms, and the one-pass recount against opening every message in turn.
#include <gtest/gtest.h>

#include <random>

#include "SmsStoreFixture.h"
#include "mapi/MAPIFolder.h"
#include "mapi/MAPIMessage.h"
#include "mapi/MAPIMsgStore.h"
#include "mapi/MAPISession.h"
#include "messaging/SmsBridge.h"
#include "messaging/SmsCounts.h"
#include "platform/Text.h"
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

namespace {

// The per-message form, literally: each Inbox message opened and attributed in turn.
void LiteralRecount(ContactSmartListControl& list) {
  auto contacts = [&list] {
    std::vector<ContactListItem*> out;
    for (IListItem* item : list.MasterItems()) {
      if (auto* row = dynamic_cast<ContactListItem*>(item)) out.push_back(row);
    }
    return out;
  };
  for (ContactListItem* row : contacts()) row->pending_count = row->pending_unread_count = 0;
  CMAPISession session;
  ASSERT_TRUE(session.Logon());
  auto inbox = session.OpenMsgStore(u"SMS")->GetMessageFolder(SpecialFolder::kInbox);
  std::vector<CMAPIEntry> rows;
  ASSERT_TRUE(inbox->GetContents(rows));
  for (const CMAPIEntry& row : rows) AddSmsToContacts(list, *inbox->OpenMessage(row), true);
  for (ContactListItem* row : contacts()) {
    row->sms_count = row->pending_count;
    row->unread_sms_count = row->pending_unread_count;
  }
  list.Resort();
}

// Numbers from a narrow alphabet, so that keys often overlap, contain or equal each other.
std::u16string RandomNumber(std::mt19937& dice) {
  static constexpr char16_t kForms[][6] = {u"+49", u"0", u"", u"+", u" -", u"x"};
  std::u16string out = kForms[dice() % 6];
  for (uint32_t n = dice() % 11; n > 0; --n) out.push_back(u'0' + dice() % 3);
  return out;
}

std::string Describe(ContactSmartListControl& list) {
  std::string out;
  for (IListItem* item : list.MasterItems()) {
    const auto* row = dynamic_cast<const ContactListItem*>(item);
    if (!row) continue;
    const std::u16string number = row->phones.empty() ? u"" : row->phones.front().number;
    out += platform::ToUtf8(row->display_name + u" " + number);
    out += " " + std::to_string(row->unread_sms_count) + "/" + std::to_string(row->sms_count) +
           " @" + std::to_string(row->newest_sms_time) + "\n";
  }
  return out;
}

}  // namespace

// Random contacts, senders and Inbox rows (some without time, flags, name or address) over
// rounds that each add contacts and mostly SMS: the one-pass recount must leave exactly the
// rows, counts and newest-SMS times of the literal form.
TEST_F(SmsCountsTest, OnePassRecountEqualsOpeningEveryMessage) {
  using namespace platform::msgstore;
  std::mt19937 dice(20261207);
  auto literal = std::make_unique<ContactSmartListControl>(nullptr, RECT{0, 0, 240, 320});
  std::unique_ptr<Folder> inbox;
  ASSERT_FALSE(Failed(OpenSpecialFolder(*session_, u"SMS", sms_test::kInbox, inbox)));
  LoaderSmsRecount loader;
  std::vector<std::u16string> numbers;
  const std::u16string strangers[] = {RandomNumber(dice), RandomNumber(dice), RandomNumber(dice),
                                      u"+44 7700 900123", u"07700 900123",    u"7700900"};
  for (int round = 0; round < 8; ++round) {
    for (uint32_t n = 1 + dice() % 12; n > 0; --n) {
      std::vector<std::u16string> phones;
      for (uint32_t k = dice() % 3; k > 0; --k) phones.push_back(RandomNumber(dice));
      numbers.insert(numbers.end(), phones.begin(), phones.end());
      const std::u16string name = u"C" + platform::FromUtf8(std::to_string(round * 100 + n));
      AddContact(name, phones);
      std::lock_guard lock(literal->ListLock());
      literal->AddItem(sms_test::MakeContact(name, phones));
    }
    const bool new_sms = round < 2 || dice() % 3 != 0;
    std::vector<Folder::NewMessage> messages;
    for (uint32_t n = new_sms ? 1 + dice() % 40 : 0; n > 0; --n) {
      // Contacts' numbers, a few strangers who write often, one-off senders and a service.
      const uint32_t kind = dice() % 10;
      std::u16string address = kind < 4 && !numbers.empty() ? numbers[dice() % numbers.size()]
                               : kind < 8 ? strangers[dice() % std::size(strangers)]
                               : kind < 9 ? RandomNumber(dice)
                                          : u"Net";
      PropRow values{PropValue::String(PR_SUBJECT, u"x")};
      if (dice() % 8) values.push_back(PropValue::String(PR_SENDER_EMAIL_ADDRESS, address));
      // Names vary between the SMS of one sender: a pseudo-contact takes its first one's.
      const std::u16string name(1, static_cast<char16_t>(u'a' + dice() % 3));
      if (dice() % 4) values.push_back(PropValue::String(PR_SENDER_NAME, name));
      if (dice() % 6) values.push_back(PropValue::Long(PR_MESSAGE_FLAGS, dice() % 2));
      const FileTime time = sms_test::Time(1700000000 + dice() % 50);
      if (dice() % 5) values.push_back(PropValue::Time(PR_MESSAGE_DELIVERY_TIME, time));
      if (dice() % 3) values.push_back(PropValue::Time(PR_CREATION_TIME, time + dice() % 3));
      messages.push_back({sms_test::kInbox, std::move(values), {}});
    }
    ASSERT_FALSE(Failed(inbox->FileNewMessages(messages)));
    LiteralRecount(*literal);
    // The loader's recount reuses what it read while the Inbox is unchanged.
    const bool loader_form = dice() % 2;
    SCOPED_TRACE("round " + std::to_string(round) + (loader_form ? " loader" : " one pass"));
    if (loader_form) {
      loader.Run(*list_);
    } else {
      RecountSms(*list_);
    }
    ASSERT_EQ(Describe(*list_), Describe(*literal));
  }
}
