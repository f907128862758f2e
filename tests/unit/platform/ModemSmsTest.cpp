// What the phone's SMS transport makes of what a modem hands over: timestamps in every form
// modems write, numbers and texts from the network, which SMS are filed, and delivery
// reports matched to the Sent copies they are about.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "platform/IsoTime.h"
#include "platform/Paths.h"
#include "platform/modem/FiledJournal.h"
#include "platform/modem/ModemSms.h"
#include "platform/msgstore/Folder.h"
#include "platform/msgstore/Message.h"
#include "platform/msgstore/PropValue.h"
#include "platform/msgstore/Session.h"
#include "platform/msgstore/SmsDelivery.h"
#include "platform/msgstore/SmsFiling.h"
#include "platform/msgstore/SmsState.h"
#include "platform/msgstore/StoreConnection.h"
#include "support/TempDir.h"

namespace {

using namespace platform::modem;
namespace ms = platform::msgstore;

constexpr int64_t kNoon2011 = 1293885296;  // 2011-01-01T12:34:56Z

TEST(ModemSms, TimestampsInEveryFormModemsWrite) {
  const struct {
    const char* text;
    std::optional<int64_t> seconds;
  } cases[] = {
      {"2011-01-01T12:34:56Z", kNoon2011},
      {"2011-01-01T12:34:56", kNoon2011},
      {"2011-01-01 12:34:56", kNoon2011},
      {"2011-01-01T16:34:56+04", kNoon2011},
      {"2011-01-01T18:04:56+05:30", kNoon2011},
      {"2011-01-01T18:04:56+0530", kNoon2011},
      {"2011-01-01T04:34:56-08", kNoon2011},
      {"2011-01-01T07:34:56-05:00", kNoon2011},
      {"2011-01-01T12:34Z", kNoon2011 - 56},
      {"2000-02-29T00:00:00Z", 951782400},
      {"", std::nullopt},
      {"2011-02-29T00:00:00Z", std::nullopt},  // no such day
      {"2011-01-01T24:00:00Z", std::nullopt},
      {"2011-01-01T12:34:60Z", std::nullopt},
      {"2011-01-01T12:34:56+24", std::nullopt},
      {"2011-01-01T12:34:56+05:60", std::nullopt},
      {"2011-01-01T12:34:56+5", std::nullopt},
      {"2011-01-01T12:34:56+05:3", std::nullopt},
      {"2011-01-01T12:34:56Zjunk", std::nullopt},
      {"2011-01-01T12:34:56 ", std::nullopt},
      {"2011-1-01T12:34:56Z", std::nullopt},
      {"2011-01-01T12:34:5", std::nullopt},
      {"2011-01-01", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::ParseIsoTime(c.text), c.seconds) << c.text;
  }
}

TEST(ModemSms, OnlyCompleteDeliveriesAreFiledAndReportsAreMatched) {
  const struct {
    uint32_t pdu, state;
    SmsAction action;
  } cases[] = {
      {kPduDeliver, kSmsStateReceived, SmsAction::kFile},
      {kPduDeliver, kSmsStateReceiving, SmsAction::kWait},
      {kPduDeliver, 0, SmsAction::kWait},
      {32, kSmsStateReceived, SmsAction::kFile},  // a CDMA deliver
      {kPduStatusReport, kSmsStateReceived, SmsAction::kStatusReport},
      {kPduSubmit, kSmsStateSent, SmsAction::kIgnore},
      {kPduSubmit, kSmsStateReceived, SmsAction::kIgnore},
      {0, kSmsStateReceived, SmsAction::kIgnore},
      {33, kSmsStateReceived, SmsAction::kIgnore},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ClassifySms({.state = c.state, .pdu_type = c.pdu}), c.action)
        << c.pdu << "/" << c.state;
  }
  const struct {
    uint32_t state;
    DeliveryOutcome outcome;
  } reports[] = {{0x00, DeliveryOutcome::kDelivered}, {0x02, DeliveryOutcome::kDelivered},
                 {0x03, DeliveryOutcome::kPending},   {0x20, DeliveryOutcome::kPending},
                 {0x25, DeliveryOutcome::kPending},   {0x40, DeliveryOutcome::kFailed},
                 {0x49, DeliveryOutcome::kFailed},    {0x65, DeliveryOutcome::kFailed},
                 {0x100, DeliveryOutcome::kPending},  {0xFFFFFFFF, DeliveryOutcome::kPending}};
  for (const auto& r : reports) EXPECT_EQ(DeliveryOutcomeOf(r.state), r.outcome) << r.state;
}

// The journal of filed SMS survives a restart, keeps only the newest keys, skips malformed
// lines, and knows no SMS without a time (the same words may come twice).
TEST(ModemSms, TheJournalOfFiledSmsKnowsWhatWasFiled) {
  testing_support::TempDir dir;
  const std::string path = dir.File("filed");
  const ModemSms sms{kSmsStateReceived, kPduDeliver, "+33611111111", "hi", "2026-12-07T10:00:00Z"};
  ModemSms other = sms;
  other.text = "hi!";
  ModemSms untimed = sms;
  untimed.timestamp.clear();
  EXPECT_FALSE(FiledJournal::KeyOf(untimed));
  ASSERT_TRUE(FiledJournal::KeyOf(sms));
  EXPECT_NE(*FiledJournal::KeyOf(sms), *FiledJournal::KeyOf(other));
  {
    FiledJournal journal(path);  // no file yet
    EXPECT_FALSE(journal.Contains(*FiledJournal::KeyOf(sms)));
    EXPECT_TRUE(journal.Add(*FiledJournal::KeyOf(sms)));
  }
  dir.Write("filed", testing_support::ReadAll(path) + "not a key\n0123\n");
  FiledJournal reloaded(path);
  EXPECT_TRUE(reloaded.Contains(*FiledJournal::KeyOf(sms)));
  EXPECT_FALSE(reloaded.Contains(*FiledJournal::KeyOf(other)));
  for (uint64_t key = 1; key <= kMaxFiledKeys; ++key) ASSERT_TRUE(reloaded.Add(key));
  EXPECT_FALSE(FiledJournal(path).Contains(*FiledJournal::KeyOf(sms))) << "the oldest went";
  EXPECT_TRUE(FiledJournal(path).Contains(1));
  EXPECT_EQ(testing_support::ReadAll(path).size(), kMaxFiledKeys * 17);
}

TEST(ModemSms, InboxRecordsTakeOnlyUsableNumbersAndBoundedText) {
  ModemSms sms{.state = kSmsStateReceived,
               .pdu_type = kPduDeliver,
               .number = "+15551234",
               .text = "Caf\xC3\xA9 \xF0\x9F\x98\x80",
               .timestamp = "2011-01-01T16:34:56+04"};
  auto record = InboxRecord(sms, 7);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->folder, 2);
  EXPECT_EQ(record->sender_address, u"+15551234");
  EXPECT_EQ(record->text, u"Caf\u00E9 \U0001F600");
  EXPECT_FALSE(record->read);
  EXPECT_EQ(record->time, ms::FileTimeFromUnixSeconds(kNoon2011));

  sms.timestamp = "yesterday";
  EXPECT_EQ(InboxRecord(sms, 7)->time, ms::FileTimeFromUnixSeconds(7)) << "the arrival time";
  sms.number = "BANK";
  EXPECT_EQ(InboxRecord(sms, 7)->sender_address, u"BANK") << "an alphanumeric sender";
  for (const char* bad : {"", "+1555\n1234", "+1555\x7f", "\xC3", "\xC2\x85"}) {
    sms.number = bad;
    EXPECT_FALSE(InboxRecord(sms, 7)) << "number of " << std::strlen(bad) << " bytes";
  }
  sms.number = std::string(kMaxModemNumber, '1');
  EXPECT_TRUE(InboxRecord(sms, 7));
  sms.number += "1";
  EXPECT_FALSE(InboxRecord(sms, 7));

  sms.number = "+15551234";
  sms.text =
      "\xFF"
      "ok";
  EXPECT_EQ(InboxRecord(sms, 7)->text, u"\uFFFDok");
  // A text longer than kept is cut between characters, never inside a surrogate pair.
  sms.text = std::string(kMaxModemText - 1, 'a') + "\xF0\x9F\x98\x80" + "tail";
  EXPECT_EQ(InboxRecord(sms, 7)->text, std::u16string(kMaxModemText - 1, u'a'));
  sms.text = std::string(kMaxModemText * 5, 'b');
  EXPECT_EQ(InboxRecord(sms, 7)->text.size(), kMaxModemText);
}

// Sent copies in a temporary store; each report marks at most the copy it is about.
class SmsDeliveryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetDeviceDir(dir_.path());
    ASSERT_EQ(ms::Session::Logon(session_), S_OK);
    ASSERT_EQ(ms::OpenSpecialFolder(*session_, ms::kSmsStoreName, ms::kFolderSent, sent_), S_OK);
  }

  // Files a sent SMS to `number`, awaiting the report with `reference` unless it is absent.
  std::vector<uint8_t> Sent(std::u16string number, std::optional<uint32_t> reference, int64_t at) {
    ms::SmsRecord record;
    record.folder = ms::kFolderSent;
    record.text = u"hello";
    record.recipients = {{u"", std::move(number)}};
    record.time = ms::FileTimeFromUnixSeconds(at);
    std::vector<uint8_t> id;
    EXPECT_EQ(ms::FileSms(*sent_, record, id), S_OK);
    if (reference) {
      std::unique_ptr<ms::Message> message;
      EXPECT_EQ(sent_->OpenEntry(id, 0, message), S_OK);
      const ms::PropValue values[] = {
          ms::PropValue::Long(ms::PR_SMS_MESSAGE_REFERENCE, *reference),
          ms::PropValue::Long(ms::PR_SMS_DELIVERY_STATUS, ms::kSmsDeliveryAwaiting)};
      EXPECT_EQ(message->SetProps(values), S_OK);
      EXPECT_EQ(message->SaveChanges(0), S_OK);
    }
    return id;
  }

  uint32_t Status(const std::vector<uint8_t>& id) {
    std::unique_ptr<ms::Message> message;
    EXPECT_EQ(sent_->OpenEntry(id, 0, message), S_OK);
    const uint32_t tags[] = {ms::PR_SMS_DELIVERY_STATUS};
    ms::PropRow values;
    message->GetProps(tags, 0, values);
    return values.at(0).IsError() ? 0 : values[0].ul;
  }

  testing_support::TempDir dir_;
  std::unique_ptr<ms::Session> session_;
  std::unique_ptr<ms::Folder> sent_;
};

TEST_F(SmsDeliveryTest, AReportMarksTheNewestAwaitingCopyWithItsReferenceAndNumber) {
  const auto older_zero = Sent(u"+33612345678", 0, 100);
  const auto zero = Sent(u"0612345678", 0, 200);  // the same number without country code
  const auto other = Sent(u"+15551234", 255, 300);
  const auto unasked = Sent(u"+15551234", std::nullopt, 400);
  const auto wrapped = Sent(u"+15551234", 0, 500);  // the reference came round again

  using ms::MarkSmsDelivery;
  EXPECT_TRUE(MarkSmsDelivery(0, u"+33612345678", ms::kSmsDeliveryDelivered));
  EXPECT_EQ(Status(zero), ms::kSmsDeliveryDelivered) << "newest copy to that number";
  EXPECT_EQ(Status(older_zero), ms::kSmsDeliveryAwaiting);
  EXPECT_EQ(Status(wrapped), ms::kSmsDeliveryAwaiting) << "another number";
  EXPECT_TRUE(MarkSmsDelivery(0, u"+33612345678", ms::kSmsDeliveryFailed));
  EXPECT_EQ(Status(older_zero), ms::kSmsDeliveryFailed);
  EXPECT_FALSE(MarkSmsDelivery(0, u"+33612345678", ms::kSmsDeliveryDelivered))
      << "each copy is marked once";
  EXPECT_TRUE(MarkSmsDelivery(255, u"+1 555 1234", ms::kSmsDeliveryDelivered));
  EXPECT_EQ(Status(other), ms::kSmsDeliveryDelivered);
  EXPECT_TRUE(MarkSmsDelivery(0, u"+15551234", ms::kSmsDeliveryDelivered));
  EXPECT_EQ(Status(wrapped), ms::kSmsDeliveryDelivered);
  EXPECT_EQ(Status(unasked), 0u);
  EXPECT_FALSE(MarkSmsDelivery(17, u"+15551234", ms::kSmsDeliveryDelivered)) << "unknown";
  EXPECT_FALSE(MarkSmsDelivery(255, u"", ms::kSmsDeliveryDelivered));
}

}  // namespace
