// Finds the first contact row, in list order, whose numbers match an SMS address, with a few
// hash look-ups instead of a walk over every row.
//
// Match keys have at most 8 characters. An address key a matches a contact key c when they
// are equal, or, when c has at least 7 and a at least 4 characters, when one contains the
// other. So the index keeps, per key, the earliest row having it (exact), per substring of
// length 4..8 of every long key, the earliest row containing it (contained), and per long
// key the earliest row (long); a query looks up a, and the substrings of a of length 7 and 8.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class ContactListItem;

class SmsNumberIndex {
 public:
  // Adds a row after every row added before (rows are found in the order they were added).
  // `allow_empty_address`: the row also matches addresses without digits (pseudo-contacts).
  void Add(ContactListItem* row, bool allow_empty_address);

  // The earliest added row matching `address`, or null.
  ContactListItem* Find(std::u16string_view address) const;

  size_t size() const { return rows_.size(); }

 private:
  // Looked up by string views, so that a query makes no strings.
  struct KeyHash {
    using is_transparent = void;
    size_t operator()(std::u16string_view key) const {
      return std::hash<std::u16string_view>{}(key);
    }
  };
  using KeyMap = std::unordered_map<std::u16string, size_t, KeyHash, std::equal_to<>>;
  static void Keep(KeyMap& map, std::u16string_view key, size_t position);
  static void Lookup(const KeyMap& map, std::u16string_view key, size_t& best);

  std::vector<ContactListItem*> rows_;
  KeyMap exact_;
  KeyMap contained_;
  KeyMap long_;
};
