// SMS items on a real store: construction, date text, read state with its counts, deletion.
#include <gtest/gtest.h>

#include "SmsStoreFixture.h"
#include "mapi/MAPIFolder.h"
#include "mapi/MAPIMessage.h"
#include "mapi/MAPIMsgStore.h"
#include "mapi/MAPISession.h"
#include "messaging/SMSMessage.h"

using sms_test::kOutbox;
using sms_test::kSent;

namespace {

class SMSMessageTest : public sms_test::SmsListFixture {
 protected:
  // An item for the newest message of a folder, as the conversation load makes it.
  std::unique_ptr<SMSMessage> Load(SpecialFolder which, ContactListItem* owner, bool outgoing) {
    CMAPISession session;
    EXPECT_TRUE(session.Logon());
    auto store = session.OpenMsgStore(u"SMS");
    auto folder = store ? store->GetMessageFolder(which) : nullptr;
    std::vector<CMAPIEntry> rows;
    if (!folder || !folder->GetContents(rows) || rows.empty()) return nullptr;
    auto message = folder->OpenMessage(rows.back());
    if (!message) return nullptr;
    return std::make_unique<SMSMessage>(owner, *message, rows.back(), outgoing);
  }
  size_t Rows(SpecialFolder which) {
    CMAPISession session;
    EXPECT_TRUE(session.Logon());
    auto folder = session.OpenMsgStore(u"SMS")->GetMessageFolder(which);
    std::vector<CMAPIEntry> rows;
    EXPECT_TRUE(folder->GetContents(rows));
    return rows.size();
  }
};

}  // namespace

TEST_F(SMSMessageTest, ItemsTakeTextTimeAndReadStateFromTheStore) {
  Receive(u"+491712345678", u"hello", false, sms_test::Time(1700000000));
  auto sms = Load(SpecialFolder::kInbox, nullptr, false);
  ASSERT_NE(sms, nullptr);
  EXPECT_EQ(sms->text, u"hello");
  EXPECT_FALSE(sms->read);
  EXPECT_EQ(sms->time, sms_test::Time(1700000000));
  EXPECT_FALSE(sms->entry.entry_id.empty());
  EXPECT_EQ(sms->GetIndexChar(), u'h');
  EXPECT_EQ(SMSMessage().GetIndexChar(), u' ');  // no text
}

TEST_F(SMSMessageTest, DateTextIsNoDateWithoutTimeElseDateAndTime) {
  EXPECT_EQ(SMSMessage::FormatTime(0), u"<nodate>");
  EXPECT_EQ(SMSMessage::FormatTime(0xFFFFFFFFu), u"<nodate>");  // high half 0
  std::u16string text = SMSMessage::FormatTime(sms_test::Time(1700000000));
  EXPECT_NE(text.find(u' '), std::u16string::npos);
  EXPECT_NE(text.find(u"23"), std::u16string::npos);  // the year 2023 in some form

  // An SMS filed without a time keeps time 0 and shows "<nodate>".
  Receive(u"123", u"no time", true, 0);
  auto sms = Load(SpecialFolder::kInbox, nullptr, false);
  ASSERT_NE(sms, nullptr);
  EXPECT_EQ(sms->time, 0u);
  EXPECT_EQ(sms->EnsureDateText(), u"<nodate>");
}

TEST_F(SMSMessageTest, MarkingReadLowersOwnerAndGlobalCountByOne) {
  ContactListItem* owner = AddContact(u"Ann", {u"0171 2345678"});
  owner->unread_sms_count = 1;
  owner->sms_count = 1;
  Receive(u"+491712345678", u"hi", false);
  ASSERT_EQ(UnreadCount(), 1u);
  auto sms = Load(SpecialFolder::kInbox, owner, false);
  ASSERT_NE(sms, nullptr);
  sms->height = 30;

  EXPECT_TRUE(SetRead(*sms, true));
  EXPECT_TRUE(sms->read);
  EXPECT_EQ(sms->height, -1);
  EXPECT_EQ(owner->unread_sms_count, 0);
  EXPECT_EQ(UnreadCount(), 0u);
  EXPECT_FALSE(SetRead(*sms, true));  // already read: nothing happens
  EXPECT_EQ(UnreadCount(), 0u);

  EXPECT_TRUE(SetRead(*sms, false));
  EXPECT_EQ(owner->unread_sms_count, 1);
  EXPECT_EQ(UnreadCount(), 1u);
  EXPECT_FALSE(Load(SpecialFolder::kInbox, owner, false)->read);  // stored too

  // The owner's count never goes below 0, nor does the global count.
  owner->unread_sms_count = 0;
  EXPECT_TRUE(SetRead(*sms, true));
  EXPECT_EQ(owner->unread_sms_count, 0);
  EXPECT_EQ(UnreadCount(), 0u);
}

TEST_F(SMSMessageTest, OutgoingSmsAndUnopenableEntriesChangeNoCount) {
  ContactListItem* owner = AddContact(u"Ann", {u"0171 2345678"});
  Send(kSent, {u"01712345678"}, u"out");
  auto sms = Load(SpecialFolder::kSentItems, owner, true);
  ASSERT_NE(sms, nullptr);
  EXPECT_TRUE(SetRead(*sms, false));
  EXPECT_EQ(owner->unread_sms_count, 0);
  EXPECT_EQ(UnreadCount(), 0u);

  // Entries from outside: empty, oversized or unknown ids open nothing and change nothing.
  for (std::vector<uint8_t> id :
       {std::vector<uint8_t>{}, std::vector<uint8_t>(100000, 0xAB), std::vector<uint8_t>(40, 1)}) {
    SMSMessage bad;
    bad.owner = owner;
    bad.read = false;
    bad.entry.entry_id = id;
    EXPECT_FALSE(SetRead(bad, true));
    EXPECT_FALSE(bad.read);
    EXPECT_FALSE(DeleteFromStore(bad));
  }
  EXPECT_EQ(owner->unread_sms_count, 0);
}

TEST_F(SMSMessageTest, DeletingAnUnreadReceivedSmsLowersBothCounts) {
  ContactListItem* owner = AddContact(u"Ann", {u"0171 2345678"});
  owner->unread_sms_count = 1;
  owner->sms_count = 2;
  Receive(u"+491712345678", u"hi", false);
  auto sms = Load(SpecialFolder::kInbox, owner, false);
  ASSERT_NE(sms, nullptr);
  EXPECT_TRUE(DeleteFromStore(*sms));
  EXPECT_EQ(owner->unread_sms_count, 0);
  EXPECT_EQ(owner->sms_count, 1);
  EXPECT_EQ(UnreadCount(), 0u);
  EXPECT_EQ(Rows(SpecialFolder::kInbox), 0u);

  // A second delete finds nothing and leaves the count alone; it never goes below 0 either.
  EXPECT_FALSE(DeleteFromStore(*sms));
  EXPECT_EQ(owner->sms_count, 1);
  Receive(u"+491712345678", u"again", true);
  owner->sms_count = 0;
  EXPECT_TRUE(DeleteFromStore(*Load(SpecialFolder::kInbox, owner, false)));
  EXPECT_EQ(owner->sms_count, 0);
}

TEST_F(SMSMessageTest, OutgoingSmsIsDeletedFromSentItemsOrTheOutbox) {
  ContactListItem* owner = AddContact(u"Ann", {u"0171 2345678"});
  owner->sms_count = 3;
  Send(kSent, {u"01712345678"}, u"sent");
  Send(kOutbox, {u"01712345678"}, u"queued");
  auto sent = Load(SpecialFolder::kSentItems, owner, true);
  auto queued = Load(SpecialFolder::kOutbox, owner, true);
  ASSERT_NE(sent, nullptr);
  ASSERT_NE(queued, nullptr);
  EXPECT_TRUE(DeleteFromStore(*queued));
  EXPECT_EQ(Rows(SpecialFolder::kOutbox), 0u);
  EXPECT_EQ(Rows(SpecialFolder::kSentItems), 1u);
  EXPECT_TRUE(DeleteFromStore(*sent));
  EXPECT_EQ(Rows(SpecialFolder::kSentItems), 0u);
  // Sent SMS are not part of the received count.
  EXPECT_EQ(owner->sms_count, 3);
}
