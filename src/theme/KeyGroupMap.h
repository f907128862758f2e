// A small map from a phone-pad key character to a text, searched in insertion order: the
// phone-pad letter map (every character a key stands for) and label map (letters drawn on it).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace theme {

class KeyGroupMap {
 public:
  // The text of the first entry for `key`, or null when the key has none.
  const std::u16string* Find(char16_t key) const;
  void Add(char16_t key, std::u16string text) { entries_.emplace_back(key, std::move(text)); }
  void Clear() { entries_.clear(); }
  size_t Size() const { return entries_.size(); }
  const std::vector<std::pair<char16_t, std::u16string>>& Entries() const { return entries_; }

  // Replaces the content with one entry per comma-separated group of `value`: the key is the
  // group's first character; the text is the whole group, or the group without its first
  // character when `keep_key_character` is false. Empty groups are skipped.
  void Parse(std::u16string_view value, bool keep_key_character);

 private:
  std::vector<std::pair<char16_t, std::u16string>> entries_;
};

}  // namespace theme
