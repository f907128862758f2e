// The contact-number index of the SMS recount.
#include "messaging/SmsNumberIndex.h"

#include <algorithm>
#include <bit>
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

size_t SmsNumberIndex::KeyMap::Slot(uint32_t key) const {
  const size_t mask = keys_.size() - 1;
  // Fibonacci hashing: the product's high bits, which every bit of the key moves.
  size_t slot = static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_);
  while (keys_[slot] != kFree && keys_[slot] != key) slot = (slot + 1) & mask;
  return slot;
}

void SmsNumberIndex::KeyMap::Grow(size_t slots) {
  std::vector<uint32_t> keys(slots, kFree);
  std::vector<uint32_t> positions(slots);
  keys.swap(keys_);
  positions.swap(positions_);
  shift_ = 64 - std::countr_zero(slots);
  for (size_t i = 0; i < keys.size(); ++i) {
    if (keys[i] == kFree) continue;
    const size_t slot = Slot(keys[i]);
    keys_[slot] = keys[i];
    positions_[slot] = positions[i];
  }
}

void SmsNumberIndex::KeyMap::Reserve(size_t keys) {
  size_t slots = 16;
  while (3 * slots < 4 * keys) slots *= 2;
  if (slots > keys_.size()) Grow(slots);
}

void SmsNumberIndex::KeyMap::Keep(uint32_t key, uint32_t position) {
  // At most three quarters full.
  if (4 * (used_ + 1) > 3 * keys_.size()) Grow(std::max<size_t>(16, 2 * keys_.size()));
  const size_t slot = Slot(key);
  if (keys_[slot] != kFree) return;  // the earliest row stays
  keys_[slot] = key;
  positions_[slot] = position;
  ++used_;
}

void SmsNumberIndex::KeyMap::Lookup(uint32_t key, uint32_t& best) const {
  if (keys_.empty()) return;
  const size_t slot = Slot(key);
  if (keys_[slot] == key && positions_[slot] < best) best = positions_[slot];
}

void SmsNumberIndex::Reserve(size_t rows) {
  rows_.reserve(rows);
  exact_.Reserve(rows * 2);
  long_.Reserve(rows * 2);
  contained_.Reserve(rows * 8);
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
          contained_.Keep(key.Sub(start, length), position);
        }
      }
      long_.Keep(key.Sub(0, key.size), position);
    }
    exact_.Keep(key.Sub(0, key.size), position);
  }
}

ContactListItem* SmsNumberIndex::Find(std::u16string_view address) const {
  const PackedKey a = Pack(address);
  uint32_t best = kNone;
  exact_.Lookup(a.Sub(0, a.size), best);
  if (a.size >= kMinLongAddressKey) {
    contained_.Lookup(a.Sub(0, a.size), best);
    for (size_t length = kMinLongContactKey; length <= a.size; ++length) {
      for (size_t start = 0; start + length <= a.size; ++start) {
        long_.Lookup(a.Sub(start, length), best);
      }
    }
  }
  return best == kNone ? nullptr : rows_[best];
}
