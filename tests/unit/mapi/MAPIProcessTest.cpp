// The store shared between processes: a child process files messages while this process
// reads the contents table over and over.
#include <sys/wait.h>
#include <unistd.h>

#include "MapiTestStore.h"

namespace {

constexpr int kChildMessages = 60;

// Runs in the forked child: its own sessions, one SMS per logon as the device tool files
// them. Exits without returning.
[[noreturn]] void ChildFiles() {
  int failures = 0;
  for (int i = 0; i < kChildMessages; ++i) {
    CMAPISession session;
    std::unique_ptr<CMAPIMsgStore> store;
    std::unique_ptr<CMAPIFolder> sent;
    std::unique_ptr<CMAPIMessage> message;
    if (!session.Logon() || !(store = session.OpenMsgStore(u"SMS")) ||
        !(sent = store->GetMessageFolder(SpecialFolder::kSentItems)) ||
        !(message = sent->CreateMessage()) || !message->SetSubject(u"child") ||
        !message->SetMessageFlags() || !message->Save()) {
      ++failures;
    }
  }
  _exit(failures == 0 ? 0 : 1);
}

}  // namespace

using MAPIProcessTest = MapiTestStore;

TEST_F(MAPIProcessTest, ChildProcessWritesWhileParentReads) {
  // The child must not inherit an open connection: let every parent object go first.
  store_.reset();
  session_.reset();
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) ChildFiles();

  size_t last_count = 0;
  int status = 0;
  bool child_running = true;
  while (child_running) {
    child_running = waitpid(child, &status, WNOHANG) == 0;
    CMAPISession reader;
    ASSERT_TRUE(reader.Logon());
    auto store = reader.OpenMsgStore(u"SMS");
    ASSERT_NE(store, nullptr);
    auto sent = store->GetMessageFolder(SpecialFolder::kSentItems);
    ASSERT_NE(sent, nullptr);
    std::vector<CMAPIEntry> rows;
    ASSERT_TRUE(sent->GetContents(rows));
    EXPECT_GE(rows.size(), last_count);
    last_count = rows.size();
  }
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(last_count, static_cast<size_t>(kChildMessages));
}
