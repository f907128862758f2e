// The device's message store on a real SQLite file in a temporary device profile: layout of
// a new device, absent properties, transacted creation, ordering, entry id safety, the unread
// count it keeps in the registry, and refusal of hostile input.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Paths.h"
#include "platform/msgstore/FaultInjection.h"
#include "platform/msgstore/Folder.h"
#include "platform/msgstore/Message.h"
#include "platform/msgstore/MsgStore.h"
#include "platform/msgstore/Session.h"
#include "platform/msgstore/SmsState.h"
#include "platform/msgstore/Table.h"
#include "platform/registry/Registry.h"
#include "support/TempDir.h"

using namespace platform::msgstore;

namespace {

class MsgStoreFile : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetDeviceDir(dir_.path());
    ASSERT_EQ(Session::Logon(session_), S_OK);
    std::unique_ptr<Table> table;
    ASSERT_EQ(session_->GetMsgStoresTable(0, table), S_OK);
    std::vector<PropRow> rows;
    ASSERT_EQ(table->QueryRows(1, 0, rows), S_OK);
    ASSERT_EQ(session_->OpenMsgStore(rows.at(0).at(1).bin, 0, store_), S_OK);
    inbox_ = OpenFolder(*store_, 2);
  }
  void TearDown() override { faults::Reset(); }

  // Reads `tags` from a store object; the call must answer `expected`.
  static PropRow Props(PropObject& object, std::vector<uint32_t> tags, HRESULT expected = S_OK) {
    PropRow values;
    EXPECT_EQ(object.GetProps(tags, 0, values), expected);
    return values;
  }

  std::unique_ptr<Folder> OpenFolder(platform::msgstore::MsgStore& store, int special) {
    std::unique_ptr<Folder> folder;
    EXPECT_EQ(
        store.OpenEntry(Props(store, {SpecialFolderTag(special)}).at(0).bin, MAPI_MODIFY, folder),
        S_OK);
    return folder;
  }

  // Files a message with the given flags (none when absent) and delivery time.
  std::vector<uint8_t> File(Folder& folder, std::u16string text, std::optional<uint32_t> flags,
                            FileTime time = 0) {
    std::unique_ptr<Message> message;
    EXPECT_EQ(folder.CreateMessage(0, message), S_OK);
    std::vector<PropValue> values{PropValue::String(PR_SUBJECT, std::move(text))};
    if (flags) values.push_back(PropValue::Long(PR_MESSAGE_FLAGS, *flags));
    if (time) values.push_back(PropValue::Time(PR_MESSAGE_DELIVERY_TIME, time));
    EXPECT_EQ(message->SetProps(values), S_OK);
    EXPECT_EQ(message->SaveChanges(0), S_OK);
    return Props(*message, {PR_ENTRYID}).at(0).bin;
  }

  int MessageCount(Folder& folder) {
    std::unique_ptr<Table> table;
    EXPECT_EQ(folder.GetContentsTable(0, table), S_OK);
    return table ? table->RowCount() : -1;
  }

  static constexpr const char16_t* kUnreadKey = u"System\\State\\Messages\\SMS\\Unread";
  uint32_t UnreadCount() {
    return platform::ReadRegistryDword(platform::HKEY_CURRENT_USER, kUnreadKey, u"Count")
        .value_or(0);
  }

  testing_support::TempDir dir_;
  std::unique_ptr<Session> session_;
  std::unique_ptr<platform::msgstore::MsgStore> store_;
  std::unique_ptr<Folder> inbox_;
};

}  // namespace

TEST_F(MsgStoreFile, NewDeviceHasTheStoreFileAndTheAccountName) {
  EXPECT_TRUE(std::filesystem::exists(dir_.File("messages.db")));
  EXPECT_EQ(platform::ReadRegistryString(platform::HKEY_CURRENT_USER,
                                         u"System\\State\\Messages\\SMS", u"Account Name"),
            std::u16string(u"SMS"));
}

TEST_F(MsgStoreFile, PropertiesNeverSetReadAsAbsentNotAsZero) {
  std::vector<uint8_t> id = File(*inbox_, u"hi", std::nullopt);
  std::unique_ptr<Message> message;
  ASSERT_EQ(session_->OpenEntry(id, 0, message), S_OK);
  PropRow values =
      Props(*message, {PR_MESSAGE_FLAGS, PR_CREATION_TIME, PR_SUBJECT}, MAPI_W_ERRORS_RETURNED);
  ASSERT_EQ(values.size(), 3u);
  EXPECT_EQ(values[0].tag, CHANGE_PROP_TYPE(PR_MESSAGE_FLAGS, PT_ERROR));
  EXPECT_EQ(values[0].err, MAPI_E_NOT_FOUND);
  EXPECT_TRUE(values[1].IsError());
  EXPECT_EQ(values[2].str, u"hi");
}

TEST_F(MsgStoreFile, NewMessageIsInvisibleUntilSavedAndLeavesNothingWhenDropped) {
  auto drafts = OpenFolder(*store_, 1);
  {
    std::unique_ptr<Message> message;
    ASSERT_EQ(drafts->CreateMessage(0, message), S_OK);
    const PropValue v[] = {PropValue::String(PR_SUBJECT, u"draft")};
    ASSERT_EQ(message->SetProps(v), S_OK);
    EXPECT_EQ(MessageCount(*drafts), 0);
    PropRow values = Props(*message, {PR_ENTRYID, PR_SUBJECT}, MAPI_W_ERRORS_RETURNED);
    ASSERT_EQ(values.size(), 2u);
    EXPECT_TRUE(values[0].IsError());
    EXPECT_EQ(values[1].str, u"draft");
  }
  EXPECT_EQ(MessageCount(*drafts), 0);
}

TEST_F(MsgStoreFile, ReusedRowIdNeverReopensTheDeletedMessage) {
  std::vector<uint8_t> old_id = File(*inbox_, u"old", MSGFLAG_READ);
  ASSERT_EQ(inbox_->DeleteMessages({old_id}, 0), S_OK);
  std::vector<uint8_t> new_id = File(*inbox_, u"new", MSGFLAG_READ);
  auto old_parts = EntryId::Decode(old_id);
  auto new_parts = EntryId::Decode(new_id);
  ASSERT_TRUE(old_parts && new_parts);
  EXPECT_EQ(old_parts->object_id, new_parts->object_id);  // SQLite reused the row id
  std::unique_ptr<Message> message;
  EXPECT_EQ(session_->OpenEntry(old_id, 0, message), MAPI_E_NOT_FOUND);
  EXPECT_EQ(message, nullptr);
  EXPECT_EQ(session_->OpenEntry(new_id, 0, message), S_OK);
}

// Reading listed messages: in the order asked, and never a deleted message whose row id was
// taken again, one of another folder, or bytes that are no entry id.
TEST_F(MsgStoreFile, RowsOfListedMessagesAreThoseMessagesOnly) {
  const std::vector<uint8_t> deleted = File(*inbox_, u"deleted", MSGFLAG_READ);
  ASSERT_EQ(inbox_->DeleteMessages({deleted}, 0), S_OK);
  const std::vector<uint8_t> reused = File(*inbox_, u"reused", MSGFLAG_READ);
  const std::vector<uint8_t> second = File(*inbox_, u"second", std::nullopt);
  std::unique_ptr<Folder> sent = OpenFolder(*store_, 4);
  const std::vector<uint8_t> elsewhere = File(*sent, u"sent", MSGFLAG_READ);
  const std::vector<std::vector<uint8_t>> asked{second, deleted, elsewhere, {1, 2, 3}, reused};
  std::vector<std::u16string> texts;
  const uint32_t columns[] = {PR_SUBJECT, PR_MESSAGE_FLAGS};
  ASSERT_EQ(inbox_->VisitRowsOf(columns, asked,
                                [&](const PropRow& row, ContentsPlace) {
                                  texts.push_back(row[0].str + (row[1].IsError() ? u"?" : u""));
                                }),
            S_OK);
  EXPECT_EQ(texts, (std::vector<std::u16string>{u"second?", u"reused"}));
}

TEST_F(MsgStoreFile, HostileValuesAndEntryIdsAreRefusedWithoutPartialWrites) {
  std::vector<uint8_t> id = File(*inbox_, u"keep", MSGFLAG_READ);
  std::unique_ptr<Message> message;
  ASSERT_EQ(session_->OpenEntry(id, 0, message), S_OK);
  std::u16string huge(kMaxPropertyBytes / 2 + 1, u'x');
  const PropValue too_big[] = {PropValue::String(PR_SENDER_NAME, u"n"),
                               PropValue::String(PR_SUBJECT, huge)};
  EXPECT_EQ(message->SetProps(too_big), MAPI_E_TOO_BIG);
  const PropValue computed[] = {PropValue::Binary(PR_ENTRYID, {1, 2})};
  EXPECT_EQ(message->SetProps(computed), MAPI_E_NO_ACCESS);
  const PropValue error_typed[] = {PropValue::Error(PR_SUBJECT, MAPI_E_NOT_FOUND)};
  EXPECT_EQ(message->SetProps(error_typed), MAPI_E_INVALID_PARAMETER);
  PropRow values = Props(*message, {PR_SUBJECT, PR_SENDER_NAME}, MAPI_W_ERRORS_RETURNED);
  EXPECT_EQ(values[0].str, u"keep");
  EXPECT_TRUE(values[1].IsError());

  std::vector<uint8_t> oversized = id;
  oversized.resize(kMaxEntryIdBytes + 1);
  EXPECT_EQ(session_->OpenEntry(oversized, 0, message), MAPI_E_INVALID_ENTRYID);
  std::vector<uint8_t> forged = id;
  forged.back() ^= 1;  // right shape, wrong nonce
  EXPECT_EQ(session_->OpenEntry(forged, 0, message), MAPI_E_NOT_FOUND);
  EXPECT_EQ(inbox_->DeleteMessages({id, oversized}, 0), MAPI_E_INVALID_ENTRYID);
  EXPECT_EQ(session_->OpenEntry(id, 0, message), S_OK);  // nothing was deleted
}

TEST_F(MsgStoreFile, UnreadCountFollowsTheSmsInboxOnly) {
  auto sent = OpenFolder(*store_, 4);
  platform::WriteRegistryDword(platform::HKEY_CURRENT_USER, kUnreadKey, u"Count", 5);
  std::vector<uint8_t> a = File(*inbox_, u"a", 0u);
  std::vector<uint8_t> b = File(*inbox_, u"b", std::nullopt);  // no flags: unread
  File(*inbox_, u"c", MSGFLAG_READ);
  File(*sent, u"d", 0u);
  EXPECT_EQ(UnreadCount(), 7u);
  std::unique_ptr<Message> message;
  ASSERT_EQ(session_->OpenEntry(a, 0, message), S_OK);
  const PropValue read[] = {PropValue::Long(PR_MESSAGE_FLAGS, MSGFLAG_READ)};
  ASSERT_EQ(message->SetProps(read), S_OK);
  ASSERT_EQ(message->SetProps(read), S_OK);  // no change, no step
  EXPECT_EQ(UnreadCount(), 6u);
  ASSERT_EQ(inbox_->DeleteMessages({a, b}, 0), S_OK);  // only b was unread
  EXPECT_EQ(UnreadCount(), 5u);

  std::vector<uint8_t> other_id;
  ASSERT_EQ(session_->CreateMsgStore(u"Other", {}, other_id), S_OK);
  std::unique_ptr<platform::msgstore::MsgStore> other;
  ASSERT_EQ(session_->OpenMsgStore(other_id, 0, other), S_OK);
  auto other_inbox = OpenFolder(*other, 2);
  File(*other_inbox, u"e", 0u);
  EXPECT_EQ(UnreadCount(), 5u);
}

TEST_F(MsgStoreFile, UnreadCountNeverGoesBelowZero) {
  std::vector<uint8_t> id = File(*inbox_, u"a", 0u);
  platform::WriteRegistryDword(platform::HKEY_CURRENT_USER, kUnreadKey, u"Count", 0);
  ASSERT_EQ(inbox_->DeleteMessages({id}, 0), S_OK);
  EXPECT_EQ(UnreadCount(), 0u);
}

TEST_F(MsgStoreFile, AHeldUnreadCountMovesOnlyWhenTheHoldEnds) {
  platform::WriteRegistryDword(platform::HKEY_CURRENT_USER, kUnreadKey, u"Count", 1);
  {
    platform::msgstore::UnreadCountHold hold;
    File(*inbox_, u"a", 0u);
    File(*inbox_, u"b", 0u);
    EXPECT_EQ(UnreadCount(), 1u);
  }
  EXPECT_EQ(UnreadCount(), 3u);
  File(*inbox_, u"c", 0u);  // no hold: at once
  EXPECT_EQ(UnreadCount(), 4u);
}

TEST_F(MsgStoreFile, RecipientsOfANewMessageAreFiledWithIt) {
  auto sent = OpenFolder(*store_, 4);
  std::unique_ptr<Message> message;
  ASSERT_EQ(sent->CreateMessage(0, message), S_OK);
  std::vector<PropRow> rows{{PropValue::String(PR_EMAIL_ADDRESS, u"+4912345678"),
                             PropValue::Long(PR_RECIPIENT_TYPE, MAPI_TO)},
                            {PropValue::String(PR_EMAIL_ADDRESS, u"0800")}};
  ASSERT_EQ(message->ModifyRecipients(MODRECIP_ADD, rows), S_OK);
  ASSERT_EQ(message->SaveChanges(0), S_OK);
  ASSERT_EQ(message->ModifyRecipients(MODRECIP_ADD, {{PropValue::String(PR_EMAIL_ADDRESS, u"3")}}),
            S_OK);
  std::unique_ptr<Table> table;
  ASSERT_EQ(message->GetRecipientTable(0, table), S_OK);
  const uint32_t columns[] = {PR_ROWID, PR_EMAIL_ADDRESS, PR_RECIPIENT_TYPE};
  table->SetColumns(columns, 0);
  std::vector<PropRow> out;
  ASSERT_EQ(table->QueryRows(10, 0, out), S_OK);
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[1][1].str, u"0800");
  EXPECT_TRUE(out[1][2].IsError());
  EXPECT_EQ(out[2][0].ul, 2u);
  std::vector<PropRow> too_many(kMaxRecipients + 1, PropRow{});
  EXPECT_EQ(message->ModifyRecipients(MODRECIP_ADD, too_many), MAPI_E_TOO_BIG);
}

TEST_F(MsgStoreFile, CorruptStoreFailsLogonAndIsLeftForRecovery) {
  inbox_.reset();
  store_.reset();
  session_.reset();
  testing_support::TempDir other;
  platform::SetDeviceDir(other.path());
  std::string garbage(4096, '\x5A');
  other.Write("messages.db", garbage);
  std::unique_ptr<Session> session;
  EXPECT_TRUE(Failed(Session::Logon(session)));
  EXPECT_EQ(session, nullptr);
  EXPECT_EQ(testing_support::ReadAll(other.File("messages.db")), garbage);
}

TEST(MsgStoreTime, FileTimeConversions) {
  EXPECT_EQ(FileTimeFromUnixSeconds(0), 116444736000000000ull);
  EXPECT_EQ(UnixSecondsFromFileTime(FileTimeFromUnixSeconds(1767258000)), 1767258000);
  EXPECT_EQ(FileTimeFromUnixSeconds(-kFileTimeEpochOffsetSeconds - 1), 0u);
  EXPECT_GT(FileTimeFromUnixSeconds(INT64_MAX), FileTimeFromUnixSeconds(4102444800));
}
