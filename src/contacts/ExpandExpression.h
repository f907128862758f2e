// Formatting expressions: a theme text in which keys such as "%fileas", "%company" or
// "%phone" stand for contact fields, turned into one contact's text.
//
// Expansion replaces every field key by the property's text (or by nothing when the contact
// has no value; a key whose property was never requested stays literally), then the shared
// address keys from the chosen address family, then "%phone" by the preferred number. The
// ends are then trimmed of "-", "/", "," and white space, repeatedly until none is left, and
// a fixed clean-up removes the punctuation that empty fields leave behind ("()", "[]", double
// spaces, blank lines). A backslash followed by "n" stands for a line break.
//
// Replaced text is searched by the keys replaced after it, so a value may itself hold keys;
// the result is cut at kMaxExpandedLength units so that such values cannot make it grow
// without bound.
//
// Safe to call from any thread: it reads only its arguments.
#pragma once

#include <string>
#include <string_view>

#include "contacts/ContactListItem.h"
#include "contacts/ContactValues.h"

// Longest expanded text, in UTF-16 units.
inline constexpr size_t kMaxExpandedLength = 65536;

// Expands `expression` for the contact whose properties are `values`; `record` supplies
// only the phone list (for "%phone").
std::u16string ExpandExpression(std::u16string_view expression, const ContactListItem& record,
                                const ContactValues& values);

namespace contacts {

// Replaces every non-overlapping occurrence of `what` in `text`, left to right in one pass;
// replaced text is not searched again. The result is cut at `max_length` units.
void ReplaceAll(std::u16string& text, std::u16string_view what, std::u16string_view by,
                size_t max_length = std::u16string::npos);

// Removes the runs of "-", "/", "," and white space from both ends, repeating the four trims
// until nothing changes.
void TrimExpressionEnds(std::u16string& text);

}  // namespace contacts
