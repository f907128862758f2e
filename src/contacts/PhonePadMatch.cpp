// Phone-pad word-start matching.
#include "contacts/PhonePadMatch.h"

#include <string>

#include "theme/KeyGroupMap.h"

namespace {

bool IsWordStart(std::u16string_view name, size_t index) {
  if (index == 0) return true;
  const char16_t previous = name[index - 1];
  return previous == u' ' || previous == u'-' || previous == u'\'';
}

// Whether `c` is one of the characters that `key` stands for.
bool KeyStandsFor(const theme::KeyGroupMap& groups, char16_t key, char16_t c) {
  const std::u16string* group = groups.Find(key);
  return group != nullptr && group->find(c) != std::u16string::npos;
}

// Whether the keys after the first match the characters following `start`, up to the end of
// the name.
bool RestMatches(std::u16string_view name, size_t start, std::u16string_view keys,
                 const theme::KeyGroupMap& groups) {
  for (size_t j = 1; j < keys.size() && start + j < name.size(); ++j) {
    if (!KeyStandsFor(groups, keys[j], name[start + j])) return false;
  }
  return true;
}

}  // namespace

bool PhonePadMatch(std::u16string_view name, std::u16string_view keys,
                   const theme::KeyGroupMap& groups) {
  if (keys.empty()) return false;
  const std::u16string* first_group = groups.Find(keys.front());
  if (first_group == nullptr) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    if (first_group->find(name[i]) == std::u16string::npos) continue;
    if (!IsWordStart(name, i)) continue;
    if (RestMatches(name, i, keys, groups)) return true;
  }
  return false;
}
