// Recount of 100,000 Inbox SMS against 10,000 contacts: the rule applied row by row in list
// order against the number index. Prints the median of each and their ratio.
//
//   bench_sms_recount [walk_runs=3] [index_runs=7]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "contacts/ContactFieldTable.h"
#include "contacts/ContactListItem.h"
#include "contacts/ContactSmartListControl.h"
#include "messaging/SmsRecount.h"

namespace {

constexpr int kContacts = 10000;
constexpr int kMessages = 100000;

std::u16string Digits(std::mt19937& dice, int count) {
  std::u16string out;
  for (int i = 0; i < count; ++i) out.push_back(static_cast<char16_t>(u'0' + dice() % 10));
  return out;
}

struct Book {
  std::vector<std::vector<std::u16string>> numbers;  // per contact
  std::vector<ReceivedSms> messages;
};

Book MakeBook() {
  std::mt19937 dice(42);
  Book book;
  for (int i = 0; i < kContacts; ++i) {
    std::vector<std::u16string> numbers;
    numbers.push_back(u"+49 17" + Digits(dice, 1) + u" " + Digits(dice, 7));
    if (dice() % 2) numbers.push_back(u"030 " + Digits(dice, 8));
    if (dice() % 20 == 0) numbers.push_back(Digits(dice, 3));  // a short service number
    book.numbers.push_back(std::move(numbers));
  }
  std::vector<std::u16string> strangers;
  for (int i = 0; i < 500; ++i) strangers.push_back(u"+44 7700 " + Digits(dice, 6));
  for (int i = 0; i < kMessages; ++i) {
    ReceivedSms sms;
    const uint32_t kind = dice() % 100;
    if (kind < 70) {
      const auto& numbers = book.numbers[dice() % kContacts];
      std::u16string number = numbers[dice() % numbers.size()];
      // Senders often arrive in the international form of a national number.
      if (number.starts_with(u"030")) number = u"+4930" + number.substr(3);
      sms.address = number;
    } else if (kind < 95) {
      sms.address = strangers[dice() % strangers.size()];
    } else {
      sms.address = u"MyNetwork";
    }
    sms.sender_name = u"Sender";
    sms.read = dice() % 4 != 0;
    sms.has_time = true;
    sms.time = 133000000000000000ull + i;
    book.messages.push_back(std::move(sms));
  }
  return book;
}

// CPU time of this thread: the machine that runs the benchmark is often shared, and the
// wall time then mostly measures the other processes.
double ThreadCpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

struct Timing {
  double wall = 0;
  double cpu = 0;
};

Timing RunOnce(const Book& book, SmsMatching matching, int64_t& checksum) {
  ContactSmartListControl list(nullptr, RECT{0, 0, 240, 320});
  {
    std::lock_guard lock(list.ListLock());
    for (const auto& numbers : book.numbers) {
      auto row = std::make_unique<ContactListItem>(36);
      for (const auto& number : numbers) {
        row->phones.push_back(PhoneEntry{number, contacts::kMobilePhoneProperty});
      }
      list.AddItem(std::move(row));
    }
  }
  const double cpu_start = ThreadCpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  ApplyRecount(list, book.messages, matching);
  const auto end = std::chrono::steady_clock::now();
  const double cpu_end = ThreadCpuSeconds();
  std::lock_guard lock(list.ListLock());
  checksum = 0;
  for (size_t i = 0; i < list.GetItemCount(); ++i) {
    auto* row = static_cast<ContactListItem*>(list.GetItem(i));
    checksum = checksum * 31 + row->sms_count * 7 + row->unread_sms_count;
  }
  return {std::chrono::duration<double>(end - start).count(), cpu_end - cpu_start};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int walk_runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  const int index_runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
  const Book book = MakeBook();
  std::vector<double> walk_wall, walk_cpu, index_wall, index_cpu;
  int64_t walk_sum = 0;
  int64_t index_sum = 0;
  for (int i = 0; i < walk_runs; ++i) {
    Timing t = RunOnce(book, SmsMatching::kWalk, walk_sum);
    walk_wall.push_back(t.wall);
    walk_cpu.push_back(t.cpu);
  }
  for (int i = 0; i < index_runs; ++i) {
    Timing t = RunOnce(book, SmsMatching::kIndexed, index_sum);
    index_wall.push_back(t.wall);
    index_cpu.push_back(t.cpu);
  }
  std::printf("sms_recount %d SMS x %d contacts (medians)\n", kMessages, kContacts);
  std::printf("  walk    %.3f s wall, %.3f s cpu (%d runs)\n", Median(walk_wall), Median(walk_cpu),
              walk_runs);
  std::printf("  indexed %.3f s wall, %.3f s cpu (%d runs)\n", Median(index_wall),
              Median(index_cpu), index_runs);
  std::printf("  ratio indexed/walk %.4f wall, %.4f cpu\n", Median(index_wall) / Median(walk_wall),
              Median(index_cpu) / Median(walk_cpu));
  if (walk_sum != index_sum) {
    std::printf("  MISMATCH: the two methods counted differently\n");
    return 1;
  }
  return 0;
}
