// Loading a contact's conversation from a real store: folders, limits, order, progress and
// cancelling.
#include <gtest/gtest.h>

#include "SmsStoreFixture.h"
#include "contacts/SmsContactListItem.h"
#include "messaging/LoadConversation.h"
#include "messaging/SMSMessage.h"
#include "toolkit/SmartListControl.h"

using sms_test::kInbox;
using sms_test::kOutbox;
using sms_test::kSent;
using sms_test::Time;

namespace {

class RecordingProgress : public ConversationProgress {
 public:
  explicit RecordingProgress(int cancel_at = -1) : cancel_at_(cancel_at) {}
  void Start(int total) override { total_ = total; }
  int Report(int position) override {
    reports_.push_back(position);
    return position == cancel_at_ ? -1 : 0;
  }
  int total_ = -1;  // -1 until started
  std::vector<int> reports_;

 private:
  int cancel_at_;
};

class LoadConversationTest : public sms_test::SmsStoreFixture {
 protected:
  std::vector<SMSMessage*> Items() {
    std::vector<SMSMessage*> out;
    for (IListItem* item : list_.MasterItems()) out.push_back(static_cast<SMSMessage*>(item));
    return out;
  }
  size_t Count(bool outgoing) {
    size_t n = 0;
    for (SMSMessage* sms : Items()) n += sms->outgoing == outgoing;
    return n;
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

  std::vector<SMSMessage*> items = Items();
  ASSERT_EQ(items.size(), 6u);
  // Outbox first (one item however many recipients match), then the Inbox newest first,
  // then Sent items newest first (one item per matching recipient).
  EXPECT_EQ(items[0]->text, u"queued");
  EXPECT_TRUE(items[0]->outgoing);
  EXPECT_EQ(items[1]->text, u"in 2 other number");
  EXPECT_EQ(items[2]->text, u"in 1");
  EXPECT_FALSE(items[2]->outgoing);
  EXPECT_FALSE(items[2]->read);
  EXPECT_EQ(items[3]->text, u"group");
  EXPECT_EQ(items[4]->text, u"to both numbers");
  EXPECT_EQ(items[5]->text, u"to both numbers");
  for (SMSMessage* sms : items) EXPECT_EQ(sms->owner, ann_.get());
  EXPECT_EQ(progress.total_, 7);
  EXPECT_EQ(progress.reports_, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(LoadConversationTest, InboxStopsAtFiftyItemsButSentItemsFillUpToAHundred) {
  for (int i = 0; i < 70; ++i) Receive(u"01712345678", u"in", true, Time(1700000000 + i));
  for (int i = 0; i < 70; ++i) Send(kSent, {u"01712345678"}, u"out", Time(1700000000 + i));
  LoadConversation(*ann_, list_, nullptr);
  EXPECT_EQ(Count(false), 50u);
  EXPECT_EQ(Count(true), 50u);
  // The newest received SMS are the ones kept.
  EXPECT_EQ(Items()[0]->time, Time(1700000069));
  EXPECT_EQ(Items()[49]->time, Time(1700000020));
}

TEST_F(LoadConversationTest, ProgressReturningMinusOneStopsTheLoadMidway) {
  for (int i = 0; i < 10; ++i) Receive(u"01712345678", u"in", true, Time(1700000000 + i));
  for (int i = 0; i < 10; ++i) Send(kSent, {u"01712345678"}, u"out");
  RecordingProgress progress(/*cancel_at=*/4);
  LoadConversation(*ann_, list_, &progress);
  EXPECT_EQ(progress.total_, 20);
  EXPECT_EQ(progress.reports_, (std::vector<int>{0, 1, 2, 3, 4}));  // no final report
  EXPECT_EQ(list_.GetItemCount(), 5u);
  EXPECT_EQ(Count(true), 0u);
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
