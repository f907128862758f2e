// UTF-16 text helpers. The system counts UTF-16 units, so strings are std::u16string;
// UTF-8 appears only at the edges (files, the command line, SQLite, pango). Case mapping,
// character classes and comparison go through ICU so they are right for every script.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// UTF-8 <-> UTF-16. Invalid sequences become U+FFFD; nothing throws.
std::u16string FromUtf8(std::string_view utf8);
std::string ToUtf8(std::u16string_view utf16);

// Windows-1252 (the code page of old theme files) to UTF-16; undefined bytes map to the
// C1 control of the same value, as the platform's converter did.
std::u16string FromWindows1252(std::string_view bytes);

// Per-unit case mapping (a unit that is half of a surrogate pair is left as it is).
char16_t ToUpperUnit(char16_t c);
char16_t ToLowerUnit(char16_t c);
std::u16string ToUpper(std::u16string_view text);
std::u16string ToLower(std::u16string_view text);

// Character classes of one code unit.
bool IsSpaceUnit(char16_t c);   // Unicode white space (ICU u_isspace)
bool IsDigitUnit(char16_t c);   // decimal digit of any script
bool IsAlphaUnit(char16_t c);   // letter of any script

// Locale-aware comparison without case (and with accents as secondary differences only).
// Returns <0, 0 or >0. Thread-safe.
int CompareNoCase(std::u16string_view a, std::u16string_view b);
// Ordinal comparison without case by per-unit upper-casing.
int CompareOrdinalNoCase(std::u16string_view a, std::u16string_view b);
// Locale collation with case and accents as later-level differences. Thread-safe.
int CompareCollated(std::u16string_view a, std::u16string_view b);
// A sort key whose byte order matches CompareCollated, for sorting many strings cheaply.
std::string CollationKey(std::u16string_view text);

// Trims Unicode white space at both ends.
std::u16string Trim(std::u16string_view text);

// Short date ("dd/MM/yyyy"-like, per locale) and time ("HH:mm") texts of a local time given
// as seconds since the epoch.
std::u16string FormatShortDate(int64_t unix_seconds);
std::u16string FormatShortTime(int64_t unix_seconds);

// Number to decimal text.
std::u16string ToU16(int64_t value);

}  // namespace platform
