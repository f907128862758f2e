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
  bool Empty(SpecialFolder which) { return Load(which, nullptr, false) == nullptr; }
};

}  // namespace

TEST_F(SMSMessageTest, ItemsTakeTextTimeAndReadStateFromTheStoreAndShowTheDate) {
  Receive(u"+491712345678", u"hello", false, sms_test::Time(1700000000));
  auto sms = Load(SpecialFolder::kInbox, nullptr, false);
  ASSERT_NE(sms, nullptr);
  EXPECT_EQ(sms->text, u"hello");
  EXPECT_FALSE(sms->read);
  EXPECT_EQ(sms->time, sms_test::Time(1700000000));
  EXPECT_EQ(sms->GetIndexChar(), u'h');
  EXPECT_EQ(SMSMessage().GetIndexChar(), u' ');  // no text
  const std::u16string text = sms->EnsureDateText();
  EXPECT_NE(text.find(u' '), std::u16string::npos);
  EXPECT_NE(text.find(u"23"), std::u16string::npos);  // the year 2023 in some form

  // No time (or a high half of 0) shows "<nodate>"; an SMS filed without one keeps time 0.
  EXPECT_EQ(SMSMessage::FormatTime(0xFFFFFFFFu), u"<nodate>");
  Send(kOutbox, {u"123"}, u"no time", 0);
  sms = Load(SpecialFolder::kOutbox, nullptr, true);
  ASSERT_NE(sms, nullptr);
  EXPECT_EQ(sms->time, 0u);
  EXPECT_EQ(sms->EnsureDateText(), u"<nodate>");
}

TEST_F(SMSMessageTest, MarkingReadLowersOwnerAndGlobalCountByOne) {
  ContactListItem* owner = AddContact(u"Ann", {u"0171 2345678"});
  owner->unread_sms_count = 1;
  owner->sms_count = 1;
  Receive(u"+491712345678", u"hi", false);
  auto sms = Load(SpecialFolder::kInbox, owner, false);
  ASSERT_NE(sms, nullptr);
  sms->height = 30;

  EXPECT_TRUE(SetRead(*sms, true));
  EXPECT_EQ(sms->height, -1);
  EXPECT_EQ(owner->unread_sms_count, 0);
  EXPECT_EQ(UnreadCount(), 0u);
  EXPECT_FALSE(SetRead(*sms, true));  // already read: nothing happens

  EXPECT_TRUE(SetRead(*sms, false));
  EXPECT_EQ(owner->unread_sms_count, 1);
  EXPECT_EQ(UnreadCount(), 1u);
  EXPECT_FALSE(Load(SpecialFolder::kInbox, owner, false)->read);  // stored too

  // The owner's count never goes below 0.
  owner->unread_sms_count = 0;
  EXPECT_TRUE(SetRead(*sms, true));
  EXPECT_EQ(owner->unread_sms_count, 0);
}

TEST_F(SMSMessageTest, OutgoingSmsAndUnopenableEntriesChangeNoCount) {
  ContactListItem* owner = AddContact(u"Ann", {u"0171 2345678"});
  Send(kSent, {u"01712345678"}, u"out");
  auto sms = Load(SpecialFolder::kSentItems, owner, true);
  ASSERT_NE(sms, nullptr);
  EXPECT_TRUE(SetRead(*sms, false));
  EXPECT_EQ(owner->unread_sms_count, 0);

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
  EXPECT_TRUE(Empty(SpecialFolder::kInbox));

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
  EXPECT_TRUE(Empty(SpecialFolder::kOutbox));
  EXPECT_TRUE(DeleteFromStore(*sent));  // still there after the Outbox delete
  EXPECT_TRUE(Empty(SpecialFolder::kSentItems));
  // Sent SMS are not part of the received count.
  EXPECT_EQ(owner->sms_count, 3);
}
