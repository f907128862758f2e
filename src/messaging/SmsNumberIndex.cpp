// The contact-number index of the SMS recount.
#include "messaging/SmsNumberIndex.h"

#include <limits>

#include "contacts/ContactListItem.h"
#include "contacts/PhoneNumberMatch.h"

namespace {

constexpr uint32_t kNone = std::numeric_limits<uint32_t>::max();
// Below these lengths keys match only when equal.
constexpr size_t kMinLongContactKey = 7;
constexpr size_t kMinLongAddressKey = 4;

// A match key (at most 8 digits or "+") as 4 bits per character, none of them 0, so that keys
// of different lengths never share a value (the empty key is 0).
struct PackedKey {
  uint32_t Sub(size_t start, size_t length) const {
    return static_cast<uint32_t>(
        (bits >> (4 * (size - start - length))) &
        (length >= kMaxMatchKeyLength ? 0xFFFFFFFFull : (1ull << (4 * length)) - 1));
  }
  uint64_t bits = 0;
  size_t size = 0;
};

PackedKey Pack(std::u16string_view number) {
  PackedKey key;
  for (char16_t c : number) {
    uint64_t code;
    if (c >= u'0' && c <= u'9') {
      code = static_cast<uint64_t>(c - u'0') + 1;
    } else if (c == u'+') {
      code = 11;
    } else {
      continue;
    }
    // The last eight characters stay.
    key.bits = ((key.bits << 4) | code) & 0xFFFFFFFFull;
    if (key.size < kMaxMatchKeyLength) ++key.size;
  }
  return key;
}

}  // namespace

void SmsNumberIndex::Keep(KeyMap& map, uint32_t key, uint32_t position) {
  map.try_emplace(key, position);  // the earliest row stays
}

void SmsNumberIndex::Lookup(const KeyMap& map, uint32_t key, uint32_t& best) {
  auto it = map.find(key);
  if (it != map.end() && it->second < best) best = it->second;
}

void SmsNumberIndex::Reserve(size_t rows) {
  rows_.reserve(rows);
  exact_.reserve(rows * 2);
  long_.reserve(rows * 2);
  contained_.reserve(rows * 16);
}

void SmsNumberIndex::Add(ContactListItem* row, bool allow_empty_address) {
  const auto position = static_cast<uint32_t>(rows_.size());
  rows_.push_back(row);
  for (const PhoneEntry& phone : row->phones) {
    const PackedKey key = Pack(phone.number);
    // An empty address key matches only rows that accept empty addresses, and only through
    // an empty contact key.
    if (key.size == 0 && !allow_empty_address) continue;
    if (key.size >= kMinLongContactKey) {
      for (size_t length = kMinLongAddressKey; length <= key.size; ++length) {
        for (size_t start = 0; start + length <= key.size; ++start) {
          Keep(contained_, key.Sub(start, length), position);
        }
      }
      Keep(long_, key.Sub(0, key.size), position);
    }
    Keep(exact_, key.Sub(0, key.size), position);
  }
}

ContactListItem* SmsNumberIndex::Find(std::u16string_view address) const {
  const PackedKey a = Pack(address);
  uint32_t best = kNone;
  Lookup(exact_, a.Sub(0, a.size), best);
  if (a.size >= kMinLongAddressKey) {
    Lookup(contained_, a.Sub(0, a.size), best);
    for (size_t length = kMinLongContactKey; length <= a.size; ++length) {
      for (size_t start = 0; start + length <= a.size; ++start) {
        Lookup(long_, a.Sub(start, length), best);
      }
    }
  }
  return best == kNone ? nullptr : rows_[best];
}
