// Two connections to one message store at once: a writer files messages while a reader walks
// the contents table over and over. Every read must succeed with a consistent snapshot (rows
// only ever grow, each row complete), no "busy" may surface as a failure, and the unread
// counter the writer keeps in the registry ends right.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/Paths.h"
#include "platform/msgstore/Folder.h"
#include "platform/msgstore/Message.h"
#include "platform/msgstore/MsgStore.h"
#include "platform/msgstore/Session.h"
#include "platform/msgstore/Table.h"
#include "platform/registry/Registry.h"
#include "support/TempDir.h"

using namespace platform::msgstore;

namespace {

constexpr int kMessages = 150;

std::unique_ptr<Folder> OpenInbox(Session& session) {
  std::unique_ptr<Table> stores;
  if (Failed(session.GetMsgStoresTable(0, stores))) return nullptr;
  std::vector<PropRow> rows;
  if (Failed(stores->QueryRows(1, 0, rows)) || rows.empty()) return nullptr;
  std::unique_ptr<MsgStore> store;
  if (Failed(session.OpenMsgStore(rows[0][1].bin, 0, store))) return nullptr;
  const uint32_t tags[] = {PR_CE_IPM_INBOX_ENTRYID};
  PropRow values;
  if (store->GetProps(tags, 0, values) != S_OK) return nullptr;
  std::unique_ptr<Folder> inbox;
  if (Failed(store->OpenEntry(values[0].bin, 0, inbox))) return nullptr;
  return inbox;
}

}  // namespace

TEST(MsgStoreThreads, ReaderSeesGrowingCompleteSnapshotsWhileAnotherConnectionWrites) {
  testing_support::TempDir dir;
  platform::SetDeviceDir(dir.path());
  {
    std::unique_ptr<Session> setup;
    ASSERT_EQ(Session::Logon(setup), S_OK);
  }
  std::atomic<bool> writer_done{false};
  std::atomic<int> write_failures{0};
  std::thread writer([&] {
    std::unique_ptr<Session> session;
    if (Failed(Session::Logon(session))) {
      write_failures = kMessages;
      writer_done = true;
      return;
    }
    auto inbox = OpenInbox(*session);
    for (int i = 0; i < kMessages && inbox; ++i) {
      std::unique_ptr<Message> message;
      inbox->CreateMessage(0, message);
      const PropValue values[] = {PropValue::String(PR_SUBJECT, u"m"),
                                  PropValue::String(PR_SENDER_EMAIL_ADDRESS, u"+1555"),
                                  PropValue::Long(PR_MESSAGE_FLAGS, i % 2 ? MSGFLAG_READ : 0u)};
      if (Failed(message->SetProps(values)) || Failed(message->SaveChanges(0))) ++write_failures;
    }
    writer_done = true;
  });

  std::unique_ptr<Session> session;
  ASSERT_EQ(Session::Logon(session), S_OK);
  auto inbox = OpenInbox(*session);
  ASSERT_NE(inbox, nullptr);
  int last = 0;
  int reads = 0;
  int read_failures = 0;
  bool incomplete_row = false;
  while (!writer_done || reads == 0) {
    std::unique_ptr<Table> table;
    std::vector<PropRow> rows;
    if (Failed(inbox->GetContentsTable(0, table)) || Failed(table->QueryRows(100000, 0, rows))) {
      ++read_failures;
      continue;
    }
    for (const PropRow& row : rows) {
      incomplete_row = incomplete_row || row[2].IsError() || row[3].IsError();
    }
    EXPECT_GE(static_cast<int>(rows.size()), last);
    last = static_cast<int>(rows.size());
    ++reads;
  }
  writer.join();
  EXPECT_EQ(write_failures.load(), 0);
  EXPECT_EQ(read_failures, 0);
  EXPECT_FALSE(incomplete_row);
  std::unique_ptr<Table> table;
  ASSERT_EQ(inbox->GetContentsTable(0, table), S_OK);
  EXPECT_EQ(table->RowCount(), kMessages);
  // Every unread SMS raised the platform's counter once, from the writer's thread.
  EXPECT_EQ(platform::ReadRegistryDword(platform::HKEY_CURRENT_USER,
                                        u"System\\State\\Messages\\SMS\\Unread", u"Count"),
            std::optional<uint32_t>(kMessages / 2));
}
