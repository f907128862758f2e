// Finds the first contact row, in list order, whose numbers match an SMS address, with a few
// hash look-ups instead of a walk over every row.
//
// Match keys have at most 8 characters. An address key a matches a contact key c when they
// are equal, or, when c has at least 7 and a at least 4 characters, when one contains the
// other. So the index keeps, per key, the earliest row having it (exact), per substring of
// length 4..8 of every long key, the earliest row containing it (contained), and per long
// key the earliest row (long); a query looks up a, and the substrings of a of length 7 and 8.
// Keys are made of digits and "+" only, so each is packed into 32 bits (4 per character).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

class ContactListItem;

class SmsNumberIndex {
 public:
  // Room for `rows` rows of a few numbers each, so that building does not rehash.
  void Reserve(size_t rows);
  // Adds a row after every row added before (rows are found in the order they were added).
  // `allow_empty_address`: the row also matches addresses without digits (pseudo-contacts).
  void Add(ContactListItem* row, bool allow_empty_address);

  // The earliest added row matching `address`, or null.
  ContactListItem* Find(std::u16string_view address) const;

  size_t size() const { return rows_.size(); }

 private:
  // A packed key to the position of the earliest row having it.
  using KeyMap = std::unordered_map<uint32_t, uint32_t>;
  static void Keep(KeyMap& map, uint32_t key, uint32_t position);
  static void Lookup(const KeyMap& map, uint32_t key, uint32_t& best);

  std::vector<ContactListItem*> rows_;
  KeyMap exact_;
  KeyMap contained_;
  KeyMap long_;
};
