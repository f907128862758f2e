// The phone and mail services on a temporary device profile: the backend each profile gets,
// the simulated call and mail logs, and the desktop hand-off through a stand-in xdg-open on
// PATH that records its arguments.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <future>
#include <string>
#include <thread>

#include "platform/Paths.h"
#include "platform/ServiceBackend.h"
#include "platform/mail/MailComposeMessage.h"
#include "platform/mail/MailLog.h"
#include "platform/phone/CallLog.h"
#include "platform/phone/PhoneMakeCall.h"
#include "platform/registry/Registry.h"
#include "platform/shellexec/UriOpener.h"
#include "support/TempDir.h"

namespace {

using namespace platform;
using testing_support::ReadAll;

class PhoneMailServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDeviceDir(device_.path());
    if (const char* path = std::getenv("PATH")) saved_path_ = path;
  }
  void TearDown() override { setenv("PATH", saved_path_.c_str(), 1); }

  void SetBackend(PlatformService service, std::u16string_view value) {
    ASSERT_TRUE(WriteRegistryString(HKEY_LOCAL_MACHINE, kPlatformServicesKey,
                                    ServiceValueName(service), value));
  }

  // Puts a stand-in xdg-open first on PATH: it writes its argument count and arguments, one
  // per line, to `record` and exits with `status`.
  std::string InstallOpener(int status) {
    const std::string record = tools_.File("opened.txt");
    const std::string script = tools_.Write(
        "bin/xdg-open", "#!/bin/sh\n{ echo $#; for a in \"$@\"; do echo \"$a\"; done; } > '" +
                            record + ".tmp' && /bin/mv '" + record + ".tmp' '" + record +
                            "'\nexit " + std::to_string(status) + "\n");
    chmod(script.c_str(), 0755);
    setenv("PATH", (tools_.File("bin") + ":" + saved_path_).c_str(), 1);
    return record;
  }

  static std::string WaitForFile(const std::string& path) {
    for (int i = 0; i < 200 && access(path.c_str(), F_OK) != 0; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    return ReadAll(path);
  }

  testing_support::TempDir device_;
  testing_support::TempDir tools_;
  std::string saved_path_;
};

TEST_F(PhoneMailServiceTest, ARealProfileNeverGetsTheSimulatedBackends) {
  EXPECT_EQ(ReadServiceBackend(PlatformService::kPhone), ServiceBackend::kDesktop);
  EXPECT_EQ(ReadServiceBackend(PlatformService::kMail), ServiceBackend::kDesktop);
  EXPECT_EQ(ReadServiceBackend(PlatformService::kSms), ServiceBackend::kModem);
  SetBackend(PlatformService::kPhone, u"bogus");
  EXPECT_EQ(ReadServiceBackend(PlatformService::kPhone), ServiceBackend::kDesktop);
  SetBackend(PlatformService::kPhone, u" Modem ");
  EXPECT_EQ(ReadServiceBackend(PlatformService::kPhone), ServiceBackend::kModem);
  ASSERT_TRUE(UseSimulatedServices());
  for (auto service : {PlatformService::kPhone, PlatformService::kMail, PlatformService::kSms}) {
    EXPECT_EQ(ReadServiceBackend(service), ServiceBackend::kSimulated);
  }
}

TEST_F(PhoneMailServiceTest, TheSimulatedPhoneAndMailLogWhatTheyAreGiven) {
  ASSERT_TRUE(UseSimulatedServices());
  phone::PHONEMAKECALLINFO call;
  call.pszDestAddress = u"+33 6 12 34 56 78";
  call.pszCalledParty = u"O'Neil, Ann \"Annie\"";
  EXPECT_EQ(phone::PhoneMakeCall(&call), phone::CallResult::kPlaced);
  phone::PHONEMAKECALLINFO wrong_size = call;
  wrong_size.cbSize = 24;
  EXPECT_EQ(phone::PhoneMakeCall(&wrong_size), phone::CallResult::kInvalidRecord);
  EXPECT_EQ(phone::PhoneMakeCall(nullptr), phone::CallResult::kInvalidRecord);
  // A call to nothing is refused, not logged.
  for (const char16_t* nothing : {u"", u"  "}) {
    phone::PHONEMAKECALLINFO empty = call;
    empty.pszDestAddress = nothing;
    EXPECT_EQ(phone::PhoneMakeCall(&empty), phone::CallResult::kNotDialable);
  }

  mail::MAILCOMPOSEFIELDS compose;
  compose.pszTo = u"Ann, \"the\" <boss><ann@example.org>";
  EXPECT_EQ(mail::MailComposeMessage(&compose), mail::ComposeResult::kOpened);

  auto calls = phone::ReadCallLog();
  ASSERT_TRUE(calls);
  ASSERT_EQ(calls->size(), 1u);
  EXPECT_EQ((*calls)[0].number, u"+33 6 12 34 56 78");
  EXPECT_EQ((*calls)[0].called_party, u"O'Neil, Ann \"Annie\"");
  auto mails = mail::ReadMailLog();
  ASSERT_TRUE(mails);
  ASSERT_EQ(mails->size(), 1u);
  EXPECT_EQ((*mails)[0].to, u"Ann, \"the\" <boss><ann@example.org>");
  ASSERT_TRUE(phone::ClearCallLog());
  EXPECT_TRUE(phone::ReadCallLog()->empty());
}

// The URI reaches the desktop's opener as one argument, without a shell in between.
TEST_F(PhoneMailServiceTest, TheDesktopGetsOneCleanUriArgument) {
  const std::string record = InstallOpener(0);
  phone::PHONEMAKECALLINFO call;
  call.pszDestAddress = u"+33 6 12 '$(touch pwned)'; x";
  call.pszCalledParty = u"`reboot`";
  EXPECT_EQ(phone::PhoneMakeCall(&call), phone::CallResult::kPlaced);
  EXPECT_EQ(WaitForFile(record), "1\ntel:+33612\n");
  unlink(record.c_str());

  mail::MAILCOMPOSEFIELDS compose;
  compose.pszTo = u"Eve <x@evil.org>?cc=y&\"<ann@example.org>";
  EXPECT_EQ(mail::MailComposeMessage(&compose), mail::ComposeResult::kOpened);
  EXPECT_EQ(WaitForFile(record), "1\nmailto:ann@example.org\n");
  unlink(record.c_str());

  compose.pszTo = u"Ann<not an address>";
  EXPECT_EQ(mail::MailComposeMessage(&compose), mail::ComposeResult::kNoAddress);
  call.pszDestAddress = u"reception";
  EXPECT_EQ(phone::PhoneMakeCall(&call), phone::CallResult::kNotDialable);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_NE(access(record.c_str(), F_OK), 0) << "nothing was handed to the desktop";
}

TEST_F(PhoneMailServiceTest, AMissingOrFailingOpenerIsReported) {
  setenv("PATH", tools_.path().c_str(), 1);  // no opener there
  EXPECT_EQ(shellexec::OpenUri("tel:1", nullptr), shellexec::OpenUriResult::kNoOpener);
  phone::PHONEMAKECALLINFO call;
  call.pszDestAddress = u"0612";
  EXPECT_EQ(phone::PhoneMakeCall(&call), phone::CallResult::kUnavailable);

  InstallOpener(3);  // xdg-open: no handler tool
  std::promise<int> exit_status;
  EXPECT_EQ(shellexec::OpenUri("tel:1", [&](int status) { exit_status.set_value(status); }),
            shellexec::OpenUriResult::kStarted);
  EXPECT_EQ(exit_status.get_future().get(), 3);
  EXPECT_EQ(shellexec::OpenUri("-x:1", nullptr), shellexec::OpenUriResult::kInvalidUri);
  EXPECT_EQ(shellexec::OpenUri("tel:1 2", nullptr), shellexec::OpenUriResult::kInvalidUri);
}

}  // namespace
