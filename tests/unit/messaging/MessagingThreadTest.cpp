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
#include "messaging/VariableSmartListControl.h"
#include "platform/Surface.h"

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

// The SMS screen's load: appends and a sort every 5 rows on the worker, while the UI thread
// measures, paints and flings the bottom-aligned list.
TEST_F(MessagingThreadTest, ConversationLoadSortsWhileTheUiThreadPaintsAndScrolls) {
  for (int i = 0; i < 40; ++i) {
    Receive(u"01712345678", u"in " + std::u16string(i % 7, u'x'), true, Time(1700000000 + 3 * i));
    Send(sms_test::kSent, {u"0171 2345678"}, u"out", Time(1700000001 + 3 * i));
  }
  auto ann = sms_test::MakeContact(u"Ann", {u"0171 2345678"});
  VariableSmartListControl conversation(nullptr, RECT{0, 0, 240, 280});
  struct SortingProgress : ConversationProgress {
    explicit SortingProgress(VariableSmartListControl& list) : list_(list) {}
    void Start(int total) override { total_ = total; }
    int Report(int position) override {
      if (position % 5 == 0 || position == total_) list_.SortByTime();
      return position;
    }
    VariableSmartListControl& list_;
    int total_ = 0;
  } progress(conversation);
  std::atomic<bool> done{false};
  std::thread loader([&] {
    LoadConversation(*ann, conversation, &progress);
    done = true;
  });
  platform::Surface surface(240, 320);
  int offset = 0;
  while (!done) {
    conversation.GetContentHeight();
    conversation.SetScrollOffset(offset);
    offset = (offset + 37) % 600;
    conversation.Paint(surface, 0, 0, 240, 320);
  }
  loader.join();
  std::lock_guard lock(conversation.ListLock());
  ASSERT_EQ(conversation.GetItemCount(), 80u);
  for (size_t i = 1; i < conversation.GetItemCount(); ++i) {
    EXPECT_LE(static_cast<SMSMessage*>(conversation.GetItem(i - 1))->time,
              static_cast<SMSMessage*>(conversation.GetItem(i))->time);
  }
}
