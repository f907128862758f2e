// Phone-pad matching of typed keys against the words of a name. Each typed key stands for a
// group of characters (the theme's phone-pad letter map, for example key 2 for "abc2"); a
// name matches when one of its words starts with a character of the first key's group,
// followed by a character of the second key's group, and so on.
#pragma once

#include <string_view>

namespace theme {
class KeyGroupMap;
}

// Whether a word of `name` begins with the keys of `keys` in `groups`. A word begins at the
// start of the name and after a space, "-" or apostrophe (not after other punctuation). A
// word that ends before every key has been compared still matches: typing "23" matches a
// name whose last word is "a". A key with no group matches nothing; empty `keys` match
// nothing. Both texts are compared as given: callers lower-case them first.
bool PhonePadMatch(std::u16string_view name, std::u16string_view keys,
                   const theme::KeyGroupMap& groups);
