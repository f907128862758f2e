// Contact filling is used by the loading thread and the UI thread at once: the process-wide
// request list is built by whichever thread comes first, and expansion shares only constant
// tables.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "ContactTestValues.h"
#include "contacts/FillContact.h"

namespace {

TEST(ContactsThreads, ConcurrentFirstUsesBuildOneRequestListAndFillIndependently) {
  ContactFillSettings settings;
  settings.expressions = {u"%fileas", u"%phone (%company)", u"%fileas", u"%addresscity"};
  constexpr int kThreads = 4;
  std::vector<const PropertyRequestList*> seen(kThreads);
  std::vector<std::u16string> second_lines(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      const PropertyRequestList& list =
          PropertyRequestList::Global(settings.expressions, contact_test::kFavoriteId);
      seen[t] = &list;
      for (int i = 0; i < 200; ++i) {
        auto values = contact_test::BulkValues(list, {{1, u"Doe"}, {11, u"Acme"}, {23, u"5"}});
        ContactListItem record(36);
        FillContact(record, ContactValues(values, list), settings);
        second_lines[t] = record.second_line;
      }
    });
  }
  for (auto& thread : threads) thread.join();
  for (int t = 0; t < kThreads; ++t) {
    EXPECT_EQ(seen[t], seen[0]);
    EXPECT_EQ(second_lines[t], u"5 (Acme)");
  }
}

}  // namespace
