// Loading a contact's conversation from a real store: folders, limits, order, progress and
// cancelling.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <random>
#include <string>

#include "SmsStoreFixture.h"
#include "contacts/PhoneNumberMatch.h"
#include "contacts/SmsContactListItem.h"
#include "messaging/LoadConversation.h"
#include "messaging/SMSMessage.h"
#include "platform/Text.h"
#include "toolkit/SmartListControl.h"

using sms_test::kOutbox;
using sms_test::kSent;
using sms_test::Time;

namespace {

struct RecordingProgress : ConversationProgress {
  void Start(int total) override { total_ = total; }
  int Report(int position) override {
    reports_.push_back(position);
    return position == cancel_at_ ? -1 : 0;
  }
  int cancel_at_ = -1;
  int total_ = -1;  // -1 until started
  std::vector<int> reports_;
};

class LoadConversationTest : public sms_test::SmsStoreFixture {
 protected:
  std::vector<SMSMessage*> Items() {
    std::vector<SMSMessage*> out;
    for (IListItem* item : list_.MasterItems()) out.push_back(static_cast<SMSMessage*>(item));
    return out;
  }

  std::unique_ptr<ContactListItem> ann_ =
      sms_test::MakeContact(u"Ann", {u"0171 2345678", u"030 99887766"});
  SmartListControl list_{nullptr, RECT{0, 0, 240, 320}};
};

}  // namespace

TEST_F(LoadConversationTest, GathersOutboxInboxAndSentOfTheContactOnly) {
  Receive(u"+491712345678", u"in 1", false, Time(1700000000));
  Receive(u"+447700900123", u"someone else", true);
  Receive(u"03099887766", u"in 2 other number", true, Time(1700000100));
  Send(kSent, {u"01712345678", u"+493099887766"}, u"to both numbers", Time(1700000200));
  Send(kSent, {u"+447700900123", u"01712345678"}, u"group", Time(1700000300));
  Send(kSent, {u"+447700900123"}, u"not hers");
  Send(kOutbox, {u"0171 2345678", u"030 99887766"}, u"queued", Time(1700000400));
  RecordingProgress progress;
  LoadConversation(*ann_, list_, &progress);

  // Outbox first (one item however many recipients match), then the Inbox newest first,
  // then Sent items newest first (one item per matching recipient).
  std::vector<std::u16string> texts;
  for (SMSMessage* sms : Items()) {
    texts.push_back(sms->text + (sms->outgoing ? u" >" : u" <"));
    EXPECT_EQ(sms->owner, ann_.get());
  }
  ASSERT_EQ(texts,
            (std::vector<std::u16string>{u"queued >", u"in 2 other number <", u"in 1 <", u"group >",
                                         u"to both numbers >", u"to both numbers >"}));
  EXPECT_FALSE(Items()[2]->read);
  EXPECT_EQ(progress.total_, 7);
  // Rows of others are passed over by the reads, not walked (the Inbox's count on at once);
  // the last report is the total.
  EXPECT_EQ(progress.reports_, (std::vector<int>{0, 2, 3, 4, 5, 7}));
}

TEST_F(LoadConversationTest, InboxStopsAtFiftyItemsButSentItemsFillUpToAHundred) {
  for (int i = 0; i < 70; ++i) Receive(u"01712345678", u"in", true, Time(1700000000 + i));
  for (int i = 0; i < 70; ++i) Send(kSent, {u"01712345678"}, u"out", Time(1700000000 + i));
  LoadConversation(*ann_, list_, nullptr);
  // The newest received SMS are the ones kept, then the sent ones.
  ASSERT_EQ(list_.GetItemCount(), 100u);
  EXPECT_EQ(Items()[0]->time, Time(1700000069));
  EXPECT_EQ(Items()[49]->time, Time(1700000020));
  EXPECT_FALSE(Items()[49]->outgoing);
  EXPECT_TRUE(Items()[50]->outgoing);
}

TEST_F(LoadConversationTest, ProgressReturningMinusOneStopsTheLoadMidway) {
  for (int i = 0; i < 10; ++i) Receive(u"01712345678", u"in", true, Time(1700000000 + i));
  for (int i = 0; i < 10; ++i) Send(kSent, {u"01712345678"}, u"out");
  RecordingProgress progress;
  progress.cancel_at_ = 4;
  LoadConversation(*ann_, list_, &progress);
  EXPECT_EQ(progress.total_, 10);  // the Sent items' rows are read once the Inbox is walked
  EXPECT_EQ(progress.reports_, (std::vector<int>{0, 1, 2, 3, 4}));  // no final report
  ASSERT_EQ(list_.GetItemCount(), 5u);
  EXPECT_FALSE(Items()[4]->outgoing);
  // Not stopped: the total grows by the Sent rows and the last report gives it.
  list_.DeleteAllItems();
  RecordingProgress whole;
  LoadConversation(*ann_, list_, &whole);
  EXPECT_EQ(whole.total_, 20);
  ASSERT_EQ(whole.reports_.size(), 21u);
  EXPECT_EQ(whole.reports_.back(), 20);
  EXPECT_EQ(list_.GetItemCount(), 20u);
}

TEST_F(LoadConversationTest, AddressesWithoutDigitsAndMissingStoreLoadNothing) {
  Receive(u"MyNetwork", u"service", true);
  auto service = sms_test::MakeContact(u"Net", {u""});
  LoadConversation(*service, list_, nullptr);  // a real contact never matches it
  EXPECT_EQ(list_.GetItemCount(), 0u);
  // The service sender's pseudo-contact holds its conversation.
  SmsContactListItem pseudo(u"MyNetwork", u"", u"Service Message", true, 36);
  LoadConversation(pseudo, list_, nullptr);
  EXPECT_EQ(list_.GetItemCount(), 1u);
  std::unique_ptr<IListItem> item = list_.RemoveItem(list_.GetItem(0));

  ASSERT_TRUE(platform::WriteRegistryString(platform::HKEY_CURRENT_USER,
                                            u"System\\State\\Messages\\SMS", u"Account Name",
                                            u"No such store"));
  Receive(u"01712345678", u"in", true);
  RecordingProgress progress;
  LoadConversation(*ann_, list_, &progress);
  EXPECT_EQ(list_.GetItemCount(), 0u);
  EXPECT_EQ(progress.total_, -1);  // never started
}

// The load against a plain model of its walk: queued SMS first to last while fewer than 50
// items, received ones newest first while fewer than 50, sent ones newest first while fewer
// than 100 (one item per matching recipient), on random stores of matching and other SMS.
TEST_F(LoadConversationTest, RandomStoresLoadExactlyWhatTheWalkAndItsLimitsGive) {
  const std::vector<std::u16string> hers = {u"+491712345678", u"0171 2345678", u"030 99887766"};
  const std::vector<std::u16string> others = {u"+447700900123", u"0301234567", u"112"};
  struct Filed {
    int folder;
    std::vector<std::u16string> to;  // the sender for the Inbox
    std::u16string text;
  };
  std::mt19937 random(20261207);
  for (int trial = 0; trial < 4; ++trial) {
    // Each trial on a store of its own.
    session_.reset();
    const std::string device = dir_.path() + "/trial" + std::to_string(trial);
    std::filesystem::create_directories(device);
    platform::SetDeviceDir(device);
    ASSERT_FALSE(platform::msgstore::Failed(platform::msgstore::Session::Logon(session_)));
    std::vector<Filed> filed;
    // Small stores, and large ones whose matching SMS pass the limits.
    const int count =
        std::uniform_int_distribution<int>(trial % 2 ? 0 : 200, trial % 2 ? 60 : 300)(random);
    for (int i = 0; i < count; ++i) {
      Filed sms{std::array{sms_test::kInbox, kOutbox, kSent}[random() % 3],
                {},
                u"sms " + platform::FromUtf8(std::to_string(i))};
      const int recipients = sms.folder == sms_test::kInbox ? 1 : 1 + random() % 2;
      for (int r = 0; r < recipients; ++r) {
        sms.to.push_back(random() % 3 ? hers[random() % hers.size()]
                                      : others[random() % others.size()]);
      }
      // Times rise with the filing order, so the store's order is the filing order.
      if (sms.folder == sms_test::kInbox) {
        Receive(sms.to[0], sms.text, random() % 2, Time(1700000000 + i));
      } else {
        Send(sms.folder, sms.to, sms.text, Time(1700000000 + i));
      }
      filed.push_back(std::move(sms));
    }
    auto matching = [&](const Filed& sms) {
      int n = 0;
      for (const auto& address : sms.to) n += MatchesNumber(*ann_, address, false) ? 1 : 0;
      return n;
    };
    std::vector<std::u16string> expected;
    for (const Filed& sms : filed) {
      if (sms.folder == kOutbox && expected.size() < 50 && matching(sms))
        expected.push_back(sms.text);
    }
    for (auto it = filed.rbegin(); it != filed.rend(); ++it) {
      if (it->folder == sms_test::kInbox && expected.size() < 50 && matching(*it))
        expected.push_back(it->text);
    }
    for (auto it = filed.rbegin(); it != filed.rend(); ++it) {
      if (it->folder != kSent || expected.size() >= 100) continue;
      for (int n = matching(*it); n > 0; --n) expected.push_back(it->text);
    }
    list_.DeleteAllItems();
    LoadConversation(*ann_, list_, nullptr);
    std::vector<std::u16string> loaded;
    for (SMSMessage* sms : Items()) loaded.push_back(sms->text);
    EXPECT_EQ(loaded, expected) << "trial " << trial << " with " << count << " SMS";
  }
}

// A large Inbox whose times do not follow the filing order (SMS stored late, clocks set
// back): the newest rows are walked a page at a time, the older ones read in one pass, and
// together they give the contact's SMS newest first by time, then by filing.
TEST_F(LoadConversationTest, LargeInboxOutOfFilingOrderLoadsNewestFirstAcrossPages) {
  std::mt19937 random(7);
  std::vector<platform::msgstore::SmsRecord> records;
  std::vector<std::pair<int64_t, int>> hers;  // (time, filing position) of Ann's SMS
  for (int i = 0; i < 6000; ++i) {
    const bool mine = random() % 150 == 0;
    // Few distinct times, so that equal times are ordered by filing.
    const int64_t seconds = 1700000000 + static_cast<int64_t>(random() % 2000) * 60;
    const std::u16string address = mine ? u"0171 2345678" : u"+447700900123";
    records.push_back({.folder = sms_test::kInbox,
                       .text = platform::FromUtf8(std::to_string(i)),
                       .sender_name = address,
                       .sender_address = address,
                       .time = Time(seconds),
                       .read = true});
    if (mine) hers.emplace_back(seconds, i);
  }
  std::unique_ptr<platform::msgstore::Folder> inbox;
  ASSERT_FALSE(platform::msgstore::Failed(
      platform::msgstore::OpenSpecialFolder(*session_, u"SMS", sms_test::kInbox, inbox)));
  ASSERT_FALSE(platform::msgstore::Failed(platform::msgstore::FileSmsBatch(*inbox, records)));
  ASSERT_GT(hers.size(), 20u);
  ASSERT_LT(hers.size(), 50u);  // the list never fills: the walk reaches the oldest row
  std::sort(hers.rbegin(), hers.rend());
  std::vector<std::u16string> expected;
  for (const auto& [seconds, position] : hers) {
    expected.push_back(platform::FromUtf8(std::to_string(position)));
  }
  LoadConversation(*ann_, list_, nullptr);
  std::vector<std::u16string> loaded;
  for (SMSMessage* sms : Items()) loaded.push_back(sms->text);
  EXPECT_EQ(loaded, expected);
}

TEST_F(LoadConversationTest, DeletingTheConversationTakesEveryStoredSmsOfTheContactOnly) {
  // More than a load shows: 120 received (30 unread), 40 sent, 2 queued; and others' SMS.
  for (int i = 0; i < 120; ++i) Receive(u"01712345678", u"in", i % 4 != 0, Time(1700000000 + i));
  for (int i = 0; i < 40; ++i) Send(kSent, {u"+447700900123", u"030 99887766"}, u"out");
  Send(kOutbox, {u"0171 2345678"}, u"queued");
  Send(kOutbox, {u"+447700900123"}, u"queued for someone else");
  Receive(u"+447700900123", u"someone else", false);
  ann_->sms_count = 120;
  ann_->unread_sms_count = 30;
  EXPECT_EQ(UnreadCount(), 31u);

  EXPECT_EQ(DeleteConversationFromStore(*ann_), 161);
  LoadConversation(*ann_, list_, nullptr);
  EXPECT_EQ(list_.GetItemCount(), 0u);
  EXPECT_EQ(ann_->sms_count, 0);
  EXPECT_EQ(ann_->unread_sms_count, 0);
  EXPECT_EQ(UnreadCount(), 1u);  // the other sender's unread SMS stays
  SmsContactListItem other(u"+447700900123", u"+447700900123", u"", true, 36);
  LoadConversation(other, list_, nullptr);
  // A message to her and someone else went with her conversation.
  EXPECT_EQ(list_.GetItemCount(), 2u);  // the queued one and the received one
}
