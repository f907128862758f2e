// The contact-number index of the SMS recount.
#include "messaging/SmsNumberIndex.h"

#include <limits>

#include "contacts/ContactListItem.h"
#include "contacts/PhoneNumberMatch.h"

namespace {

constexpr size_t kNone = std::numeric_limits<size_t>::max();
// Below these lengths keys match only when equal.
constexpr size_t kMinLongContactKey = 7;
constexpr size_t kMinLongAddressKey = 4;

}  // namespace

void SmsNumberIndex::Keep(KeyMap& map, std::u16string_view key, size_t position) {
  if (map.find(key) == map.end()) map.emplace(key, position);  // the earliest row stays
}

void SmsNumberIndex::Lookup(const KeyMap& map, std::u16string_view key, size_t& best) {
  auto it = map.find(key);
  if (it != map.end() && it->second < best) best = it->second;
}

void SmsNumberIndex::Add(ContactListItem* row, bool allow_empty_address) {
  const size_t position = rows_.size();
  rows_.push_back(row);
  for (const PhoneEntry& phone : row->phones) {
    const std::u16string key = NumberMatchKey(phone.number);
    // An empty address key matches only rows that accept empty addresses, and only through
    // an empty contact key.
    if (key.empty() && !allow_empty_address) continue;
    if (key.size() >= kMinLongContactKey) {
      for (size_t length = kMinLongAddressKey; length <= key.size(); ++length) {
        for (size_t start = 0; start + length <= key.size(); ++start) {
          Keep(contained_, std::u16string_view(key).substr(start, length), position);
        }
      }
      Keep(long_, key, position);
    }
    Keep(exact_, key, position);
  }
}

ContactListItem* SmsNumberIndex::Find(std::u16string_view address) const {
  const std::u16string key = NumberMatchKey(address);
  const std::u16string_view a = key;
  size_t best = kNone;
  Lookup(exact_, a, best);
  if (a.size() >= kMinLongAddressKey) {
    Lookup(contained_, a, best);
    for (size_t length = kMinLongContactKey; length <= a.size(); ++length) {
      for (size_t start = 0; start + length <= a.size(); ++start) {
        Lookup(long_, a.substr(start, length), best);
      }
    }
  }
  return best == kNone ? nullptr : rows_[best];
}
