// Message properties as an SMS uses them: text, sender, times, read bit, sent flags and
// recipients, plus the property reader's failure diagnostic.
#include "MapiTestStore.h"
#include "mapi/MAPIGetProperty.h"

using platform::msgstore::FileTimeFromUnixSeconds;
using platform::msgstore::PropValue;

namespace {

// Reads one property straight from the store, bypassing the wrappers.
std::optional<PropValue> RawProperty(const CMAPIEntry& entry, uint32_t tag) {
  std::unique_ptr<platform::msgstore::Session> session;
  platform::msgstore::Session::Logon(session);
  std::unique_ptr<platform::msgstore::Message> message;
  if (platform::msgstore::Failed(session->OpenEntry(entry.entry_id, 0, message))) return {};
  const uint32_t tags[] = {tag};
  platform::msgstore::PropRow values;
  message->GetProps(tags, 0, values);
  if (values.size() != 1 || values[0].IsError()) return {};
  return values[0];
}

}  // namespace

using MAPIMessageTest = MapiTestStore;

TEST_F(MAPIMessageTest, SentCopyIsWrittenAsTheSenderFilesIt) {
  auto sent = Folder(SpecialFolder::kSentItems);
  auto message = sent->CreateMessage();
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(message->GetEntryID().entry_id, std::vector<uint8_t>{});  // not saved yet
  const FileTime when = FileTimeFromUnixSeconds(1767258000);
  ASSERT_TRUE(message->SetRecipients({CMAPIRecipient{u"Ann", u"+4915112345678", u"SMS", 1}}));
  ASSERT_TRUE(message->SetSubject(u"Hello \U0001F600"));
  ASSERT_TRUE(message->SetMessageFlags());
  ASSERT_TRUE(message->SetDeliveryTime(when));
  ASSERT_TRUE(message->Save());
  CMAPIEntry entry = message->GetEntryID();

  CMAPISession later;
  ASSERT_TRUE(later.Logon());
  auto reopened = later.OpenEntry(entry);
  ASSERT_NE(reopened, nullptr);
  EXPECT_EQ(reopened->GetSubject(), u"Hello \U0001F600");
  EXPECT_TRUE(reopened->IsRead());
  FileTime time = 0;
  ASSERT_TRUE(reopened->GetTime(time));
  EXPECT_EQ(time, when);
  std::vector<CMAPIRecipient> recipients;
  ASSERT_TRUE(reopened->GetRecipients(recipients));
  ASSERT_EQ(recipients.size(), 1u);
  EXPECT_EQ(recipients[0], (CMAPIRecipient{u"Ann", u"+4915112345678", u"", 1}));
  EXPECT_EQ(RawProperty(entry, PR_MESSAGE_CLASS)->str, u"IPM.SMStext");
  EXPECT_EQ(RawProperty(entry, PR_MESSAGE_FLAGS)->ul, 0x25u);
  EXPECT_EQ(RawProperty(entry, PR_MSG_STATUS)->ul, 0x00060000u);
  for (uint32_t tag :
       {PR_MESSAGE_DELIVERY_TIME, PR_DELIVER_TIME, PR_CREATION_TIME, PR_RECEIPT_TIME}) {
    EXPECT_EQ(RawProperty(entry, tag)->ft, when) << std::hex << tag;
  }
}

TEST_F(MAPIMessageTest, GetTimeFallsBackToDeliveryTimeAndFailsWithoutEither) {
  auto inbox = Folder(SpecialFolder::kInbox);
  CMAPIEntry entry = FileSms(*inbox, u"x", MSGFLAG_READ);
  auto message = session_->OpenEntry(entry);
  FileTime time = 42;
  EXPECT_FALSE(message->GetTime(time));
  EXPECT_EQ(time, 42u);
  ASSERT_TRUE(SetRaw(*message, {PropValue::Time(PR_MESSAGE_DELIVERY_TIME, 1234)}));
  ASSERT_TRUE(message->GetTime(time));
  EXPECT_EQ(time, 1234u);
  ASSERT_TRUE(SetRaw(*message, {PropValue::Time(PR_CREATION_TIME, 99)}));
  ASSERT_TRUE(message->GetTime(time));
  EXPECT_EQ(time, 99u);
}

TEST_F(MAPIMessageTest, SetReadFlagTogglesOnlyTheReadBit) {
  auto inbox = Folder(SpecialFolder::kInbox);
  CMAPIEntry entry = FileSms(*inbox, u"x", 0x24u);
  auto message = session_->OpenEntry(entry);
  EXPECT_FALSE(message->IsRead());
  EXPECT_TRUE(message->SetReadFlag(true));
  EXPECT_EQ(RawProperty(entry, PR_MESSAGE_FLAGS)->ul, 0x25u);
  EXPECT_TRUE(message->SetReadFlag(false));
  EXPECT_EQ(RawProperty(entry, PR_MESSAGE_FLAGS)->ul, 0x24u);
  std::vector<CMAPIEntry> rows;  // the table sees it without any Save
  ASSERT_TRUE(inbox->GetContents(rows));
  EXPECT_EQ(rows.at(0).flags, 0x24u);
}

TEST_F(MAPIMessageTest, AbsentTextsReadEmptyAndAbsentFlagsAreLeftUntouched) {
  EXPECT_EQ(Folder(SpecialFolder::kDrafts)->CreateMessage()->GetSubject(), u"");
  auto inbox = Folder(SpecialFolder::kInbox);
  CMAPIEntry entry = FileSms(*inbox, u"x", std::nullopt);
  auto message = session_->OpenEntry(entry);
  EXPECT_EQ(message->GetSenderName(), u"");
  EXPECT_EQ(message->GetSenderEmailAddress(), u"");
  EXPECT_FALSE(message->SetReadFlag(true));
  EXPECT_FALSE(RawProperty(entry, PR_MESSAGE_FLAGS).has_value());
  EXPECT_FALSE(message->IsRead());
}

TEST_F(MAPIMessageTest, EmptyRecipientListAddsNothingAndSucceeds) {
  auto sent = Folder(SpecialFolder::kSentItems);
  CMAPIEntry entry = FileSms(*sent, u"x", 0x25u);
  auto message = session_->OpenEntry(entry);
  ASSERT_TRUE(message->SetRecipients({CMAPIRecipient{u"A", u"1", u"SMS", 1}}));
  EXPECT_TRUE(message->SetRecipients({}));
  std::vector<CMAPIRecipient> recipients;
  ASSERT_TRUE(message->GetRecipients(recipients));
  EXPECT_EQ(recipients.size(), 1u);
}

TEST_F(MAPIMessageTest, SaveOfAMessageDeletedMeanwhileFailsWithItsTrace) {
  auto inbox = Folder(SpecialFolder::kInbox);
  CMAPIEntry entry = FileSms(*inbox, u"x", MSGFLAG_READ);
  auto message = session_->OpenEntry(entry);
  ASSERT_TRUE(inbox->DeleteMessage(entry));
  trace_.clear();
  EXPECT_FALSE(message->Save());
  EXPECT_EQ(trace_, "CMAPIMessage::Save: 8004010A\n");
  trace_.clear();
  EXPECT_FALSE(message->SetDeliveryTime(1));
  EXPECT_EQ(trace_, "CMAPIMessage::SetDeliveryTime: 8004010A\n");
  EXPECT_EQ(message->GetEntryID().entry_id, std::vector<uint8_t>{});
}

TEST_F(MAPIMessageTest, OversizedTextIsRefusedAndNotFiled) {
  auto drafts = Folder(SpecialFolder::kDrafts);
  auto message = drafts->CreateMessage();
  EXPECT_FALSE(message->SetSubject(std::u16string(200000, u'a')));
  EXPECT_NE(trace_.find("CMAPIMessage::SetSubject: 80040305\n"), std::string::npos);
}

TEST_F(MAPIMessageTest, PropertyReaderDiagnosticNamesTagFileLineAndResult) {
  auto inbox = Folder(SpecialFolder::kInbox);
  CMAPIEntry entry = FileSms(*inbox, u"x", MSGFLAG_READ);
  std::unique_ptr<platform::msgstore::Session> session;
  ASSERT_EQ(platform::msgstore::Session::Logon(session), S_OK);
  std::unique_ptr<platform::msgstore::Message> message;
  ASSERT_EQ(session->OpenEntry(entry.entry_id, 0, message), S_OK);
  trace_.clear();
  EXPECT_FALSE(MAPIGetProperty(*message, PR_SENDER_NAME, "PR_SENDER_NAME", "file.cpp", 12));
  EXPECT_EQ(trace_,
            "FAIL: MAPIGetProperty(PR_SENDER_NAME=0x0c1a001f) at file.cpp:12\r\n\t\t\t\t"
            "HRESULT 0x00040380 count 1 ulPropTag = 0x0c1a000a err = 0x8004010f\n");
  ASSERT_TRUE(inbox->DeleteMessage(entry));
  trace_.clear();
  EXPECT_FALSE(MAPIGetProperty(*message, PR_SUBJECT, "PR_SUBJECT", "f", 1));
  EXPECT_EQ(trace_,
            "FAIL: MAPIGetProperty(PR_SUBJECT=0x0037001f) at f:1\r\n\t\t\t\t"
            "HRESULT 0x8004010a count 0 ulPropTag = 0x00000000 err = 0x00000000\n");
}
