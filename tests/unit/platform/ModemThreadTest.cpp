// The phone's SMS transport files received SMS on its GLib loop while two threads send through
// the modem backend, each with its own handle, against the ModemManager mock. The mock runs
// when the test is started by tests/mock/with_modem_mock.sh (QB_MODEM_MOCK set); else skipped.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/Paths.h"
#include "platform/modem/SmsTransportDaemon.h"
#include "platform/msgstore/Folder.h"
#include "platform/msgstore/MsgStore.h"
#include "platform/msgstore/Session.h"
#include "platform/msgstore/SmsFiling.h"
#include "platform/msgstore/Table.h"
#include "platform/sms/SmsService.h"
#include "support/TempDir.h"

namespace {

using namespace platform;
using namespace platform::sms;

// A control method of the mock through gdbus; its printed answer.
std::string Mock(const std::string& method, const std::string& arguments = {}) {
  const std::string command =
      "gdbus call --system -d org.freedesktop.ModemManager1 -o /org/freedesktop/ModemManager1 "
      "-m org.freedesktop.DBus.Mock." +
      method + " " + arguments + " 2>&1";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string out;
  char buffer[256];
  while (pipe && fgets(buffer, sizeof buffer, pipe.get())) out += buffer;
  return out;
}

HRESULT Send(std::u16string_view number, std::u16string_view text) {
  SMS_HANDLE handle = 0;
  HRESULT hr = SmsOpen(kTextSmsProtocol, SMS_MODE_SEND, &handle);
  if (SmsFailed(hr)) return hr;
  SMS_ADDRESS address;
  address.smsatAddressType = SMSAT_INTERNATIONAL;
  number.copy(address.ptsAddress, SMS_MAX_ADDRESS_LENGTH);
  TEXT_PROVIDER_SPECIFIC_DATA provider;
  provider.dwMessageOptions = PS_MESSAGE_OPTION_STATUSREPORT;
  SMS_MESSAGE_ID id = 0;
  hr = SmsSendMessage(
      handle, nullptr, &address, nullptr, reinterpret_cast<const uint8_t*>(text.data()),
      static_cast<uint32_t>(text.size() * 2), reinterpret_cast<const uint8_t*>(&provider),
      kTextProviderDataSize, SMSDE_OPTIMAL, 0, &id);
  if (!SmsFailed(hr) && !SmsMessageReference(id)) hr = SMS_E_SEND_FAILED;
  SmsClose(handle);
  return hr;
}

int InboxCount() {
  std::unique_ptr<msgstore::Session> session;
  std::unique_ptr<msgstore::Folder> inbox;
  std::unique_ptr<msgstore::Table> table;
  if (msgstore::Failed(msgstore::Session::Logon(session)) ||
      msgstore::Failed(msgstore::OpenSpecialFolder(*session, u"SMS", 2, inbox)) ||
      msgstore::Failed(inbox->GetContentsTable(0, table))) {
    return -1;
  }
  return table->RowCount();
}

TEST(ModemThreadTest, TheTransportFilesWhileTwoThreadsSend) {
  if (!std::getenv("QB_MODEM_MOCK")) GTEST_SKIP() << "run by tests/mock/with_modem_mock.sh";
  testing_support::TempDir device;
  SetDeviceDir(device.path());  // a profile of its own: the modem backend
  const std::string added = Mock("AddModem");
  const size_t at = added.find("/org/freedesktop/ModemManager1/Modem/");
  ASSERT_NE(at, std::string::npos) << added;
  const std::string modem = added.substr(at, added.find('\'', at) - at);
  Mock("SetSendDelay", "0.05");
  Mock("PreloadSms", modem + " +33611111111 'on the modem before' ''");

  modem::SmsTransportDaemon daemon({});
  std::thread transport([&daemon] { EXPECT_EQ(daemon.Run(), 0); });
  constexpr int kSendsEach = 4;
  std::vector<std::thread> senders;
  for (int thread = 0; thread < 2; ++thread) {
    senders.emplace_back([thread] {
      for (int i = 0; i < kSendsEach; ++i) {
        EXPECT_EQ(Send(u"+33622222222", u"from thread " + std::u16string(1, u'0' + thread)), 0);
      }
    });
  }
  constexpr int kReceived = 6;
  for (int i = 0; i < kReceived; ++i) {
    Mock("ReceiveSms", modem + " +33611111111 'received " + std::to_string(i) + "' ''");
  }
  for (std::thread& sender : senders) sender.join();
  int filed = 0;
  for (int tries = 0; tries < 400 && (filed = InboxCount()) < kReceived + 1; ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  daemon.Stop();
  transport.join();
  EXPECT_EQ(filed, kReceived + 1);
  EXPECT_EQ(InboxCount(), kReceived + 1) << "nothing filed twice";
  Mock("RemoveModem", modem);
}

}  // namespace
