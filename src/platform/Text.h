// UTF-16 text helpers. The system counts UTF-16 units, so strings are std::u16string;
// UTF-8 appears only at the edges (files, the command line, SQLite, pango). Case mapping,
// character classes and comparison go through ICU so they are right for every script.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// UTF-8 <-> UTF-16. Invalid sequences become U+FFFD; nothing throws.
std::u16string FromUtf8(std::string_view utf8);
std::string ToUtf8(std::u16string_view utf16);

// Windows-1252 (the code page of old theme files) to UTF-16; undefined bytes map to the
// C1 control of the same value, as the platform's converter did.
std::u16string FromWindows1252(std::string_view bytes);

// Whether `bytes` are well-formed UTF-8: no overlong forms, surrogates, values above U+10FFFF
// or sequence cut short at the end.
bool IsValidUtf8(std::string_view bytes);
// For UTF-8 that arrives in pieces: how many bytes (0 to 3) at the end of `bytes` begin a
// sequence that the next piece may complete. Check the rest; carry these to the next piece.
size_t IncompleteUtf8Tail(std::string_view bytes);

// How a text file is read. With a byte-order mark the mark decides; without one the text is
// UTF-8 when it is valid UTF-8, else Windows-1252 (what older tools wrote).
enum class TextEncoding { kUtf8, kUtf16LittleEndian, kUtf16BigEndian, kWindows1252 };
struct ByteOrderMark {
  TextEncoding encoding;
  size_t length;  // bytes of the mark
};
// The mark `bytes` start with: EF BB BF (UTF-8), FF FE (UTF-16 little-endian) or FE FF
// (UTF-16 big-endian).
std::optional<ByteOrderMark> FindByteOrderMark(std::string_view bytes);
// The encoding of a whole text by the rule above, and the length of its mark (0 without one).
ByteOrderMark DetectTextEncoding(std::string_view bytes);
// Bytes in `encoding` to UTF-16 (no mark expected; an odd last byte of UTF-16 is dropped).
std::u16string DecodeText(std::string_view bytes, TextEncoding encoding);
// A whole text file to UTF-16 by DetectTextEncoding, without its mark.
std::u16string DecodeText(std::string_view bytes);

// Per-unit case mapping (a unit that is half of a surrogate pair is left as it is).
char16_t ToUpperUnit(char16_t c);
char16_t ToLowerUnit(char16_t c);
std::u16string ToUpper(std::u16string_view text);
std::u16string ToLower(std::u16string_view text);

// Character classes of one code unit.
bool IsSpaceUnit(char16_t c);   // Unicode white space (ICU u_isspace)
bool IsDigitUnit(char16_t c);   // decimal digit of any script
bool IsAlphaUnit(char16_t c);   // letter of any script

// Locale-aware comparison without case, with accents as secondary differences only, and with
// hyphens and apostrophes ignored the way the phone's own comparison ignored them: "Le-Roy"
// compares as "LeRoy", "O'Brien" as "OBrien". Returns <0, 0 or >0. Thread-safe.
int CompareNoCase(std::u16string_view a, std::u16string_view b);
// A byte string whose order matches CompareNoCase (equal for texts it finds equal), for sorting
// many texts by comparing bytes. Thread-safe.
std::string NoCaseSortKey(std::u16string_view text);
// The first unit of `text` that CompareNoCase does not ignore ('T' for "'t Hooft"); the first
// unit when it ignores every one; 0 for the empty text.
char16_t FirstComparedUnit(std::u16string_view text);
// Whether two units are the same letter but for case and accents ('Č' and 'c', 'Ø' and 'O')
// in the comparison of CompareNoCase. Thread-safe.
bool SameBaseLetter(char16_t a, char16_t b);
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
