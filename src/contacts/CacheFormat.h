// The text forms of the contact cache file: escaping of values into single lines and back,
// the phone list line, and the lenient number conversion of its numeric lines.
//
// Every line of a record is "#", then the escaped value, then CR LF. Escaping turns each
// CR LF pair, then each remaining LF, into the two characters backslash and "n"; reading
// turns each backslash-"n" into CR LF. The leading "#" keeps every line non-empty.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "contacts/PhoneEntry.h"

namespace contacts {

inline constexpr std::u16string_view kCacheHeaderLine = u"v0.15\r\n";
inline constexpr std::u16string_view kCacheLineEnd = u"\r\n";
// Separates the field ids and numbers of the phone line.
inline constexpr char16_t kPhoneSeparator = u'\u00B5';

// "#" followed by `value` with its line breaks escaped (no line end).
std::u16string EscapeCacheValue(std::u16string_view value);

// The value of a line as read (with its line end): line ends removed, backslash-"n" turned
// into CR LF, the leading "#" dropped.
std::u16string UnescapeCacheLine(std::u16string_view line);

// The value of the phone line: for each entry "<field id>µ<number>µ". An entry whose number
// is empty or holds the separator cannot be written without breaking the pairing of the
// entries after it, so it is left out of the cache.
std::u16string FormatPhoneLine(const std::vector<PhoneEntry>& phones);

// The entries of a phone line value: cut at the separator (empty pieces dropped), then taken
// in pairs of field id and number; an odd piece at the end is ignored.
std::vector<PhoneEntry> ParsePhoneLine(std::u16string_view value);

// Leading white space, an optional sign and decimal digits, as the runtime's wide-to-long
// conversion reads them: 0 when there are no digits, clamped to the 32-bit range.
int32_t ParseLenientInteger(std::u16string_view text);

}  // namespace contacts
