// Phone-pad key group maps.
#include "theme/KeyGroupMap.h"

#include "theme/SplitText.h"

namespace theme {

const std::u16string* KeyGroupMap::Find(char16_t key) const {
  for (const auto& [character, text] : entries_) {
    if (character == key) return &text;
  }
  return nullptr;
}

void KeyGroupMap::Parse(std::u16string_view value, bool keep_key_character) {
  entries_.clear();
  for (auto& piece : SplitText(value, u",")) {
    // SplitText yields a single empty piece for an empty value: it names no key.
    if (piece.empty()) continue;
    const char16_t key = piece.front();
    Add(key, keep_key_character ? std::move(piece) : piece.substr(1));
  }
}

}  // namespace theme
