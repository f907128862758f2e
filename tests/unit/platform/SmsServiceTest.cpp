// The SMS service on a temporary device profile: what the simulated network records, each
// network state, and the records and handles the service refuses.
#include <gtest/gtest.h>

#include <string>

#include "platform/Paths.h"
#include "platform/ServiceBackend.h"
#include "platform/sms/SimulatedNetwork.h"
#include "platform/sms/SmsService.h"
#include "support/TempDir.h"

namespace {

using namespace platform;
using namespace platform::sms;

class SmsServiceTest : public ::testing::Test {
 protected:
  void SetUp() override { SetDeviceDir(device_.path()); }

  // Opens, sends `text` to `number` as the program does, closes.
  static HRESULT Send(std::u16string_view number, std::u16string_view text, bool report = false,
                      uint32_t provider_size = kTextProviderDataSize) {
    SMS_HANDLE handle = 0;
    HRESULT hr = SmsOpen(kTextSmsProtocol, SMS_MODE_SEND, &handle);
    if (SmsFailed(hr)) return hr;
    SMS_ADDRESS address;
    address.smsatAddressType = !number.empty() && number[0] == u'+' ? SMSAT_INTERNATIONAL : 0;
    number.copy(address.ptsAddress, SMS_MAX_ADDRESS_LENGTH);
    TEXT_PROVIDER_SPECIFIC_DATA provider;
    provider.dwMessageOptions = report ? PS_MESSAGE_OPTION_STATUSREPORT : 0;
    provider.psMessageClass = PS_MESSAGE_CLASS1;
    SMS_MESSAGE_ID id = 0;
    hr = SmsSendMessage(
        handle, nullptr, &address, nullptr, reinterpret_cast<const uint8_t*>(text.data()),
        static_cast<uint32_t>(text.size() * 2), reinterpret_cast<const uint8_t*>(&provider),
        provider_size, SMSDE_OPTIMAL, 0, &id);
    EXPECT_EQ(SmsClose(handle), 0);
    EXPECT_EQ(SmsClose(handle), SMS_E_HANDLE);
    return hr;
  }

  testing_support::TempDir device_;
};

TEST_F(SmsServiceTest, TheSimulatedNetworkRecordsWhatWasSubmitted) {
  EXPECT_EQ(Send(u"+33612345678", u"hi"), SMS_E_NO_NETWORK) << "a real profile without a modem";
  ASSERT_TRUE(UseSimulatedServices());
  EXPECT_EQ(Send(u"+33 6 12 34 56 78", u"Caf\u00E9 {ok}", true), 0);
  EXPECT_EQ(Send(u"0033612345678", std::u16string(71, u'\u0436')), 0);
  EXPECT_EQ(Send(u"", u"nowhere"), SMS_E_INVALID_ADDRESS);
  EXPECT_EQ(Send(u"12+3", u"x"), SMS_E_INVALID_ADDRESS);
  EXPECT_EQ(Send(u"123", u"x", false, kTextProviderDataSize - 4), SMS_E_INVALIDARG);
  EXPECT_EQ(Send(u"123", std::u16string(2u * 255 * 153, u'a')), SMS_E_TOO_LONG);

  auto sent = ReadOutgoingSms();
  ASSERT_TRUE(sent);
  ASSERT_EQ(sent->size(), 2u);
  const RecordedSms& first = (*sent)[0];
  EXPECT_EQ(first.destination, u"+33 6 12 34 56 78");
  EXPECT_EQ(first.address_type, SMSAT_INTERNATIONAL);
  EXPECT_EQ(first.text, u"Caf\u00E9 {ok}");
  EXPECT_EQ(first.encoding, "gsm7");
  EXPECT_EQ(first.parts, 1);
  EXPECT_TRUE(first.status_report);
  EXPECT_EQ(first.message_class, PS_MESSAGE_CLASS1);
  const RecordedSms& second = (*sent)[1];
  EXPECT_EQ(second.address_type, SMSAT_UNKNOWN);
  EXPECT_EQ(second.encoding, "ucs2");
  EXPECT_EQ(second.parts, 2);
  EXPECT_FALSE(second.status_report);
}

TEST_F(SmsServiceTest, EachNetworkStateFailsItsOwnWay) {
  ASSERT_TRUE(UseSimulatedServices());
  ASSERT_TRUE(WriteNetworkSetting({NetworkState::kOff}));
  EXPECT_EQ(Send(u"123", u"x"), SMS_E_NO_NETWORK);
  const HRESULT code = static_cast<HRESULT>(0x80041234u);
  ASSERT_TRUE(WriteNetworkSetting({NetworkState::kFail, code}));
  EXPECT_EQ(Send(u"123", u"x"), code);
  EXPECT_FALSE(WriteNetworkSetting({NetworkState::kFail, 5})) << "not a failure code";
  ASSERT_TRUE(WriteNetworkSetting({NetworkState::kUnavailable}));
  SMS_HANDLE handle = 0;
  EXPECT_EQ(SmsOpen(kTextSmsProtocol, SMS_MODE_SEND, &handle), SMS_E_SERVICE_UNAVAILABLE);
  ASSERT_TRUE(WriteNetworkSetting({NetworkState::kOk}));
  EXPECT_EQ(SmsOpen(u"Other Protocol", SMS_MODE_SEND, &handle), SMS_E_INVALIDARG);
  EXPECT_EQ(SmsSendMessage(12345, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 0, 0, 0, nullptr),
            SMS_E_HANDLE);
  EXPECT_EQ(Send(u"123", u"x"), 0);
  EXPECT_EQ(ReadOutgoingSms()->size(), 1u);
}

}  // namespace
