// Demo conversations for a fresh device: received and sent SMS spread over the last months,
// some unread, using several numbers of each contact, plus senders who are not contacts, a
// service sender whose address has no digits and one conversation of more than 100 SMS.
// The same contacts and seed give the same messages (times count back from the platform
// clock's "now", which is fixed in scripted runs).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qbphone {

struct DemoContact {
  std::u16string display_name;
  std::vector<std::u16string> numbers;
};

struct DemoMessageCounts {
  int received = 0;
  int sent = 0;
  int unread = 0;
};

// Files the demo SMS in the "SMS" store of the current device profile. Contacts without
// numbers get no messages. `total` (when not 0) asks for exactly that many SMS: the demo set
// is cut there, or followed by further conversations of the same kind until it is reached.
// SMS are filed in large transactions, so big devices seed in seconds. False when the store
// could not be opened or written.
bool FillDemoMessages(const std::vector<DemoContact>& contacts, uint32_t seed,
                      DemoMessageCounts* counts = nullptr, int64_t total = 0);

}  // namespace qbphone
