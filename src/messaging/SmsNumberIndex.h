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
  // Packed keys to the position of the earliest row having them: an open-addressing table
  // (linear probing, at most three quarters full), as building it is much of a recount.
  class KeyMap {
   public:
    // Keeps the first position given for a key.
    void Keep(uint32_t key, uint32_t position);
    // Lowers `best` to the key's position when the key is present with a lower one.
    void Lookup(uint32_t key, uint32_t& best) const;
    void Reserve(size_t keys);

   private:
    static constexpr uint32_t kFree = 0xFFFFFFFFu;  // no packed key has an F nibble
    size_t Slot(uint32_t key) const;
    void Grow(size_t slots);
    std::vector<uint32_t> keys_;
    std::vector<uint32_t> positions_;
    size_t used_ = 0;
    int shift_ = 64;  // 64 - log2(slots)
  };

  std::vector<ContactListItem*> rows_;
  KeyMap exact_;
  KeyMap contained_;
  KeyMap long_;
};
