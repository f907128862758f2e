#include "DemoMessages.h"

#include <algorithm>
#include <random>

#include "platform/Clock.h"
#include "platform/Text.h"
#include "platform/msgstore/Folder.h"
#include "platform/msgstore/Session.h"
#include "platform/msgstore/SmsFiling.h"

namespace qbphone {

namespace {

using platform::msgstore::FileTimeFromUnixSeconds;
using platform::msgstore::SmsRecord;

constexpr int64_t kDay = 24 * 60 * 60;
constexpr int64_t kSpanDays = 150;  // about five months of history
constexpr int kLongConversation = 120;

constexpr const char16_t* kPhrases[] = {u"Are we still on for tonight?",
                                        u"Running 10 minutes late, sorry!",
                                        u"Can you call me when you get a chance?",
                                        u"Thanks, see you tomorrow",
                                        u"Happy birthday! \U0001F382",
                                        u"Did you get my email?",
                                        u"On my way",
                                        u"Great news, the tickets are booked",
                                        u"Where did we park?",
                                        u"Ok \U0001F44D",
                                        u"Let's grab lunch next week",
                                        u"Can you pick up some milk?",
                                        u"Meeting moved to 3pm, room 2.14",
                                        u"Call me back please",
                                        u"Haha, exactly",
                                        u"Bonne nuit \U0001F319",
                                        u"Ich bin gleich da",
                                        u"Don't forget the keys",
                                        u"The train is delayed again",
                                        u"Sounds good to me"};

constexpr const char16_t* kServiceTexts[] = {
    u"Your balance is 12.40 EUR. Top up at any shop.", u"You have used 80% of your monthly data.",
    u"Welcome abroad! Calls cost 0.19 EUR/min while roaming."};

// Deterministic draws: std::mt19937 is the same everywhere; distributions are not, so the
// reductions are done by hand.
class Dice {
 public:
  explicit Dice(uint32_t seed) : engine_(seed) {}
  uint32_t Below(uint32_t n) { return n == 0 ? 0 : engine_() % n; }
  bool Chance(uint32_t percent) { return Below(100) < percent; }

 private:
  std::mt19937 engine_;
};

class DemoFiler {
 public:
  DemoFiler(Dice& dice, DemoMessageCounts& counts, int64_t limit)
      : dice_(dice), counts_(counts), remaining_(limit) {}

  bool Open();
  // Files what is still pending; false when the store refused it.
  bool Flush();
  bool Full() const { return remaining_ == 0; }
  // A conversation of `length` SMS with one correspondent, spread over the history.
  bool Conversation(const std::u16string& name, const std::vector<std::u16string>& numbers,
                    int length, bool contact);
  bool Service();
  bool Queued(const std::u16string& name, const std::u16string& number);

 private:
  bool File(SmsRecord record);
  std::u16string Phrase() { return kPhrases[dice_.Below(std::size(kPhrases))]; }

  Dice& dice_;
  DemoMessageCounts& counts_;
  int64_t now_ = platform::Clock::UnixSeconds();
  std::unique_ptr<platform::msgstore::Session> session_;
  std::unique_ptr<platform::msgstore::Folder> inbox_;
  std::unique_ptr<platform::msgstore::Folder> sent_;
  std::unique_ptr<platform::msgstore::Folder> outbox_;
  int64_t remaining_;  // SMS still to file; negative: no limit
  std::vector<SmsRecord> pending_;
};

// SMS are filed this many at a time, in one transaction each.
constexpr size_t kBatch = 4096;

bool DemoFiler::Open() {
  using namespace platform::msgstore;
  return !Failed(Session::Logon(session_)) &&
         !Failed(OpenSpecialFolder(*session_, u"SMS", 2, inbox_)) &&
         !Failed(OpenSpecialFolder(*session_, u"SMS", 4, sent_)) &&
         !Failed(OpenSpecialFolder(*session_, u"SMS", 3, outbox_));
}

bool DemoFiler::Flush() {
  if (pending_.empty()) return true;
  const bool filed =
      !platform::msgstore::Failed(platform::msgstore::FileSmsBatch(*inbox_, pending_));
  pending_.clear();
  return filed;
}

bool DemoFiler::File(SmsRecord record) {
  if (remaining_ == 0) return true;  // the asked-for total is reached
  if (remaining_ > 0) --remaining_;
  if (record.folder == 2) {
    ++counts_.received;
    counts_.unread += record.read ? 0 : 1;
  } else {
    ++counts_.sent;
  }
  pending_.push_back(std::move(record));
  return pending_.size() < kBatch || Flush();
}

bool DemoFiler::Conversation(const std::u16string& name, const std::vector<std::u16string>& numbers,
                             int length, bool contact) {
  int64_t time = now_ - kSpanDays * kDay + dice_.Below(30 * kDay);
  const int64_t step = std::max<int64_t>(60, (now_ - time) / (length + 1));
  for (int i = 0; i < length; ++i) {
    time = std::min(now_ - 60, time + 60 + dice_.Below(static_cast<uint32_t>(step * 3 / 2)));
    const std::u16string& number = numbers[dice_.Below(static_cast<uint32_t>(numbers.size()))];
    SmsRecord record;
    record.text = Phrase();
    record.time = FileTimeFromUnixSeconds(time);
    bool received = !contact || dice_.Chance(55);
    if (received) {
      record.folder = 2;
      record.sender_address = number;
      record.sender_name = contact ? name : number;
      // The newest messages of some conversations are still unread.
      record.read = i < length - 2 || dice_.Chance(60);
    } else {
      record.folder = 4;
      record.recipients.push_back({name, number});
    }
    if (!File(std::move(record))) return false;
  }
  return true;
}

bool DemoFiler::Service() {
  for (size_t i = 0; i < std::size(kServiceTexts); ++i) {
    SmsRecord record;
    record.text = kServiceTexts[i];
    record.sender_name = u"MyNetwork";
    record.sender_address = u"MyNetwork";
    record.time = FileTimeFromUnixSeconds(now_ - static_cast<int64_t>(40 - 15 * i) * kDay);
    record.read = i + 1 < std::size(kServiceTexts);
    if (!File(std::move(record))) return false;
  }
  return true;
}

bool DemoFiler::Queued(const std::u16string& name, const std::u16string& number) {
  SmsRecord record;
  record.folder = 3;
  record.text = u"Sending as soon as there is signal";
  record.recipients.push_back({name, number});
  record.time = FileTimeFromUnixSeconds(now_ - 600);
  return File(std::move(record));
}

// Eight digits that end no number of any contact, so the sender stays a stranger.
std::u16string StrangerNumber(Dice& dice, const std::vector<DemoContact>& contacts) {
  for (;;) {
    std::u16string digits;
    for (int i = 0; i < 8; ++i) digits.push_back(static_cast<char16_t>(u'0' + dice.Below(10)));
    bool taken = false;
    for (const DemoContact& contact : contacts) {
      for (const std::u16string& number : contact.numbers) {
        taken = taken || number.find(digits) != std::u16string::npos;
      }
    }
    if (!taken) return u"+4917" + digits;
  }
}

// The contact with the long conversation: chosen by the seed among those whose first number
// looks like a full phone number (7 digits or more), else among all.
size_t ChattyContact(const std::vector<const DemoContact*>& reachable, uint32_t seed) {
  std::vector<size_t> full;
  for (size_t i = 0; i < reachable.size(); ++i) {
    const std::u16string& number = reachable[i]->numbers.front();
    auto digits = std::count_if(number.begin(), number.end(),
                                [](char16_t c) { return c >= u'0' && c <= u'9'; });
    if (digits >= 7) full.push_back(i);
  }
  if (!full.empty()) return full[seed % full.size()];
  return reachable.empty() ? 0 : seed % reachable.size();
}

bool FillDemoSet(DemoFiler& filer, Dice& dice, const std::vector<DemoContact>& contacts,
                 uint32_t seed);

}  // namespace

bool FillDemoMessages(const std::vector<DemoContact>& contacts, uint32_t seed,
                      DemoMessageCounts* counts, int64_t total) {
  Dice dice(seed);
  DemoMessageCounts local;
  DemoFiler filer(dice, counts ? *counts : local, total > 0 ? total : -1);
  if (!filer.Open()) return false;
  if (!FillDemoSet(filer, dice, contacts, seed)) return false;
  // More conversations of the same kind until the asked-for total is reached.
  std::vector<const DemoContact*> reachable;
  for (const DemoContact& contact : contacts) {
    if (!contact.numbers.empty()) reachable.push_back(&contact);
  }
  while (total > 0 && !filer.Full()) {
    if (reachable.empty()) {
      std::u16string number = StrangerNumber(dice, contacts);
      if (!filer.Conversation(number, {number}, 1 + static_cast<int>(dice.Below(4)), false)) {
        return false;
      }
      continue;
    }
    for (size_t i = 0; i < reachable.size() && !filer.Full(); ++i) {
      if (!dice.Chance(70)) continue;
      int length = 2 + static_cast<int>(dice.Below(20));
      if (!filer.Conversation(reachable[i]->display_name, reachable[i]->numbers, length, true)) {
        return false;
      }
    }
  }
  return filer.Flush();
}

namespace {

// The demo set proper: conversations with most contacts, one long one, a few strangers, the
// service sender and one SMS queued in the Outbox.
bool FillDemoSet(DemoFiler& filer, Dice& dice, const std::vector<DemoContact>& contacts,
                 uint32_t seed) {
  std::vector<const DemoContact*> reachable;
  for (const DemoContact& contact : contacts) {
    if (!contact.numbers.empty()) reachable.push_back(&contact);
  }
  const size_t chatty = ChattyContact(reachable, seed);
  for (size_t i = 0; i < reachable.size(); ++i) {
    if (i != chatty && !dice.Chance(70)) continue;  // some contacts never texted
    int length = i == chatty ? kLongConversation : 2 + static_cast<int>(dice.Below(20));
    if (!filer.Conversation(reachable[i]->display_name, reachable[i]->numbers, length, true)) {
      return false;
    }
  }
  for (int i = 0; i < 3; ++i) {
    std::u16string number = StrangerNumber(dice, contacts);
    if (!filer.Conversation(number, {number}, 1 + static_cast<int>(dice.Below(4)), false)) {
      return false;
    }
  }
  if (!filer.Service()) return false;
  return reachable.empty() ||
         filer.Queued(reachable[chatty]->display_name, reachable[chatty]->numbers.front());
}

}  // namespace

}  // namespace qbphone
