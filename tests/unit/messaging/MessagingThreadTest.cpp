// The counter thread's and the contact loader's recounts and the loading thread's
// conversation load run while the UI thread reads the same rows under the list's lock.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "SmsStoreFixture.h"
#include "contacts/SmsFilterItem.h"
#include "messaging/LoadConversation.h"
#include "messaging/SMSMessage.h"
#include "messaging/SmsCounts.h"

using sms_test::Time;

using MessagingThreadTest = sms_test::SmsListFixture;

TEST_F(MessagingThreadTest, RecountOnAWorkerWhileTheUiThreadReadsAndResorts) {
  ContactListItem* ann = AddContact(u"Ann", {u"0171 2345678"});
  AddContact(u"Bob", {u"0301234567"});
  for (int i = 0; i < 20; ++i) {
    Receive(i % 2 ? u"+491712345678" : u"+447700900123", u"x", i % 3 == 0, Time(1700000000 + i));
  }
  // The SMS filter follows the counts: the recounts refresh the rows it shows.
  list_->SetFilter(new SmsFilterItem());
  std::atomic<int> done{0};
  std::thread counter([&] {
    for (int i = 0; i < 5; ++i) RecountSmsFromRows(*list_);
    ++done;
  });
  std::thread loader([&] {
    LoaderSmsRecount recount;
    for (int i = 0; i < 5; ++i) recount.Run(*list_);
    ++done;
  });
  int reads = 0;
  while (done < 2) {
    std::lock_guard lock(list_->ListLock());
    int total = 0;
    for (IListItem* item : list_->MasterItems()) total += static_cast<BaseItem*>(item)->sms_count;
    EXPECT_LE(total, 20);
    EXPECT_LE(list_->DisplayedCount(), list_->GetItemCount() + 1);
    ++reads;
  }
  counter.join();
  loader.join();
  std::lock_guard lock(list_->ListLock());
  EXPECT_EQ(ann->sms_count, 10);
  EXPECT_GT(reads, 0);
}

TEST_F(MessagingThreadTest, ConversationLoadsOnAWorkerWhileTheUiThreadCounts) {
  for (int i = 0; i < 30; ++i) Receive(u"01712345678", u"in", true, Time(1700000000 + i));
  auto ann = sms_test::MakeContact(u"Ann", {u"0171 2345678"});
  SmartListControl conversation(nullptr, RECT{0, 0, 240, 320});
  std::atomic<bool> done{false};
  std::thread loader([&] {
    LoadConversation(*ann, conversation, nullptr);
    done = true;
  });
  size_t last = 0;
  while (!done) {
    std::lock_guard lock(conversation.ListLock());
    EXPECT_GE(conversation.GetItemCount(), last);
    last = conversation.GetItemCount();
    for (size_t i = 0; i < last; ++i) {
      EXPECT_EQ(static_cast<SMSMessage*>(conversation.GetItem(i))->text, u"in");
    }
  }
  loader.join();
  EXPECT_EQ(conversation.GetItemCount(), 30u);
}
