// Another process (the device tool, as the phone's transport) files SMS while this process
// recounts: every recount sees a consistent Inbox and the last one counts everything.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "SmsStoreFixture.h"
#include "messaging/SmsCounts.h"

extern char** environ;

namespace {

constexpr int kArrivals = 16;

// The device tool next to the test binaries (QB_BINARY_DIR, set by the test runner).
std::string DeviceTool() {
  const char* dir = std::getenv("QB_BINARY_DIR");
  if (!dir) return {};
  std::string path = std::string(dir) + "/qbphone";
  return access(path.c_str(), X_OK) == 0 ? path : std::string();
}

}  // namespace

using SmsProcessTest = sms_test::SmsListFixture;

TEST_F(SmsProcessTest, RecountWhileAnotherProcessReceivesSms) {
  const std::string tool = DeviceTool();
  if (tool.empty()) GTEST_SKIP() << "qbphone not built (QB_BINARY_DIR unset)";
  ContactListItem* ann = AddContact(u"Ann", {u"0171 2345678"});
  // Even arrivals come from Ann, odd ones from a stranger.
  const std::string script =
      "i=0; while [ $i -lt " + std::to_string(kArrivals) +
      " ]; do if [ $((i % 2)) -eq 0 ]; then n=+491712345678; else n=+447700900123; fi; "
      "\"$0\" --device \"$1\" sms receive $n \"text $i\" --name Someone >/dev/null || exit 1; "
      "i=$((i + 1)); done";
  const char* argv[] = {"sh", "-c", script.c_str(), tool.c_str(), dir_.path().c_str(), nullptr};
  pid_t child = 0;
  ASSERT_EQ(posix_spawn(&child, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ), 0);

  int status = 0;
  int last_seen = 0;
  int recounts = 0;
  bool running = true;
  while (running) {
    running = waitpid(child, &status, WNOHANG) == 0;
    (recounts++ % 2 == 0 ? RecountSmsFromRows : RecountSms)(*list_);
    std::lock_guard lock(list_->ListLock());
    // Counts only grow while SMS arrive, and unread never exceeds the total.
    EXPECT_GE(ann->sms_count, last_seen);
    EXPECT_LE(ann->unread_sms_count, ann->sms_count);
    last_seen = ann->sms_count;
  }
  ASSERT_TRUE(WIFEXITED(status));
  ASSERT_EQ(WEXITSTATUS(status), 0);
  RecountSmsFromRows(*list_);

  std::lock_guard lock(list_->ListLock());
  EXPECT_EQ(ann->sms_count, kArrivals / 2);
  EXPECT_EQ(ann->unread_sms_count, kArrivals / 2);
  std::vector<SmsContactListItem*> pseudo = Pseudo();
  ASSERT_EQ(pseudo.size(), 1u);
  EXPECT_EQ(pseudo[0]->sms_count, kArrivals / 2);
  EXPECT_EQ(pseudo[0]->display_name, u"Someone");  // read from the other process's entry
  EXPECT_GT(recounts, 1);
}
