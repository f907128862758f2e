// Sending an SMS on a simulated device: what the network records, the Sent copy and the two
// messaging settings read at each send, and the items of sent and failed SMS.
#include <gtest/gtest.h>

#include "SmsStoreFixture.h"
#include "mapi/MAPIFolder.h"
#include "mapi/MAPIMsgStore.h"
#include "mapi/MAPISession.h"
#include "messaging/SMSMessage.h"
#include "messaging/SmsCounter.h"
#include "messaging/SmsSending.h"
#include "platform/ServiceBackend.h"
#include "platform/sms/SimulatedNetwork.h"
#include "platform/sms/SmsService.h"
#include "theme/SettingManager.h"

namespace {

using namespace sms_test;
namespace sms = platform::sms;

constexpr char16_t kSettingsKey[] = u"Software\\Microsoft\\Inbox\\Settings";

class SmsSendingTest : public SmsStoreFixture {
 protected:
  void SetUp() override {
    SmsStoreFixture::SetUp();
    ASSERT_TRUE(platform::UseSimulatedServices());
  }

  static size_t SentCount() {
    CMAPISession session;
    EXPECT_TRUE(session.Logon());
    auto store = session.OpenMsgStore(u"SMS");
    auto folder = store ? store->GetMessageFolder(SpecialFolder::kSentItems) : nullptr;
    std::vector<CMAPIEntry> rows;
    if (folder) folder->GetContents(rows);
    return rows.size();
  }

  static std::vector<sms::RecordedSms> Outgoing() { return sms::ReadOutgoingSms().value(); }

  static void SetDword(const char16_t* name, uint32_t value) {
    ASSERT_TRUE(
        platform::WriteRegistryDword(platform::HKEY_CURRENT_USER, kSettingsKey, name, value));
  }
};

TEST_F(SmsSendingTest, ASentSmsIsRecordedAndItsSentCopyGoesWithItsBubble) {
  auto ann = MakeContact(u"Ann", {u"+33612345678"});
  auto item = SendSms(ann.get(), u"Hello {Ann}", u"+33612345678");
  ASSERT_TRUE(item);
  EXPECT_FALSE(item->send_failed);
  EXPECT_TRUE(item->outgoing);
  EXPECT_TRUE(item->read);
  EXPECT_EQ(item->text, u"Hello {Ann}");
  EXPECT_NE(item->time, 0u);
  ASSERT_EQ(SentCount(), 1u);
  ASSERT_EQ(Outgoing().size(), 1u);
  EXPECT_EQ(Outgoing()[0].address_type, sms::SMSAT_INTERNATIONAL);
  EXPECT_FALSE(Outgoing()[0].status_report);
  EXPECT_EQ(Outgoing()[0].message_class, sms::PS_MESSAGE_CLASS1);

  // Deleting the bubble of the SMS just sent removes its Sent copy, so no reload brings it back.
  EXPECT_TRUE(DeleteFromStore(*item));
  EXPECT_EQ(SentCount(), 0u);
}

TEST_F(SmsSendingTest, TheMessagingSettingsAreReadAtEachSend) {
  struct Case {
    const char* what;
    std::optional<uint32_t> save_sent, notify;
    bool filed, report;
  } cases[] = {
      {"defaults", {}, {}, true, false},
      {"no Sent copy", 0u, {}, false, false},
      {"delivery report", 5u, 1u, true, true},
      {"other values are not a report", {}, 2u, true, false},
  };
  for (const Case& c : cases) {
    platform::Registry::ForDevice().DeleteKey(platform::HKEY_CURRENT_USER, kSettingsKey);
    if (c.save_sent) SetDword(u"SaveSent", *c.save_sent);
    if (c.notify) SetDword(u"SMSDeliveryNotify", *c.notify);
    const size_t before = SentCount();
    auto item = SendSms(nullptr, u"x", u"0033612345678");
    EXPECT_FALSE(item->send_failed) << c.what;
    EXPECT_EQ(SentCount() - before, c.filed ? 1u : 0u) << c.what;
    EXPECT_EQ(item->entry.entry_id.empty(), !c.filed) << c.what;
    EXPECT_EQ(Outgoing().back().status_report, c.report) << c.what;
    EXPECT_EQ(Outgoing().back().address_type, sms::SMSAT_UNKNOWN) << c.what;
  }
  // A SaveSent that is not a DWORD keeps the copy.
  ASSERT_TRUE(
      platform::WriteRegistryString(platform::HKEY_CURRENT_USER, kSettingsKey, u"SaveSent", u"0"));
  EXPECT_TRUE(SaveSentItems());
}

TEST_F(SmsSendingTest, AFailedSendIsAnErrorItemThatKeepsItsTextAndFilesNothing) {
  const std::u16string error = theme::Settings().txt_SMSSendingError;
  ASSERT_TRUE(sms::WriteNetworkSetting({sms::NetworkState::kOff}));
  auto off = SendSms(nullptr, u"try again", u"+441234");
  EXPECT_TRUE(off->send_failed);
  EXPECT_TRUE(off->outgoing);
  EXPECT_EQ(off->text, error + u" (82000002)");
  EXPECT_EQ(off->unsent_text, u"try again");
  ASSERT_TRUE(
      sms::WriteNetworkSetting({sms::NetworkState::kFail, static_cast<HRESULT>(0x800400ffu)}));
  EXPECT_EQ(SendSms(nullptr, u"x", u"+441234")->text, error + u" (800400ff)");
  ASSERT_TRUE(sms::WriteNetworkSetting({sms::NetworkState::kOk}));
  // A contact without a number (a service message's sender) cannot be answered.
  auto nowhere = SendSms(nullptr, u"hello?", u"");
  EXPECT_TRUE(nowhere->send_failed);
  EXPECT_EQ(nowhere->unsent_text, u"hello?");
  ASSERT_TRUE(sms::WriteNetworkSetting({sms::NetworkState::kUnavailable}));
  EXPECT_EQ(SmsSendText(u"+441234", u"x"), sms::SMS_E_SERVICE_UNAVAILABLE);
  EXPECT_EQ(SentCount(), 0u);
  EXPECT_TRUE(Outgoing().empty());
}

TEST(SmsCounterTest, ShowsWhatIsLeftOfTheSingleSmsOrOfTheLastPart) {
  EXPECT_EQ(SmsCounterText(u""), u"(160/160)");
  EXPECT_EQ(SmsCounterText(std::u16string(161, u'a')), u"(145/2)");
  EXPECT_EQ(SmsCounterText(std::u16string(306, u'a')), u"(0/2)");
  EXPECT_EQ(SmsCounterText(u"\u0436"), u"(69/70)");
}

}  // namespace
