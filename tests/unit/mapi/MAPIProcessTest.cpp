// The store shared between processes: a child process files messages while this process
// reads, and entry ids made in one process reopen the message in the other.
#include <sys/wait.h>
#include <unistd.h>

#include "MapiTestStore.h"

namespace {

constexpr int kChildMessages = 60;

// Runs in the forked child: its own sessions, one SMS per logon as the device tool files
// them, then the entry id of the last one through the pipe. Exits without returning.
[[noreturn]] void ChildFiles(int pipe_fd) {
  std::vector<uint8_t> last;
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
      continue;
    }
    last = message->GetEntryID().entry_id;
  }
  uint8_t size = static_cast<uint8_t>(last.size());
  bool ok = write(pipe_fd, &size, 1) == 1 &&
            write(pipe_fd, last.data(), last.size()) == static_cast<ssize_t>(last.size());
  _exit(failures == 0 && ok ? 0 : 1);
}

}  // namespace

using MAPIProcessTest = MapiTestStore;

TEST_F(MAPIProcessTest, ChildProcessWritesWhileParentReadsAndEntryIdsCrossOver) {
  auto inbox = Folder(SpecialFolder::kInbox);
  CMAPIEntry parent_entry = FileSms(*inbox, u"from parent", MSGFLAG_READ);
  // The child must not inherit an open connection: let every parent object go first.
  inbox.reset();
  store_.reset();
  session_.reset();
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(fds[0]);
    ChildFiles(fds[1]);
  }
  close(fds[1]);

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

  uint8_t size = 0;
  ASSERT_EQ(read(fds[0], &size, 1), 1);
  CMAPIEntry child_entry;
  child_entry.entry_id.resize(size);
  ASSERT_EQ(read(fds[0], child_entry.entry_id.data(), size), static_cast<ssize_t>(size));
  close(fds[0]);
  CMAPISession session;
  ASSERT_TRUE(session.Logon());
  auto message = session.OpenEntry(child_entry);
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(message->GetSubject(), u"child");
  auto own = session.OpenEntry(parent_entry);
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(own->GetSubject(), u"from parent");
}
