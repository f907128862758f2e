// Value encodings of vCard files: quoted-printable, base64, character sets, backslash escapes,
// structured values and line folding.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform::pim {

// "=XX" becomes the byte XX; a "=" not followed by two hex digits stays as it is.
std::string DecodeQuotedPrintable(std::string_view text);

// Decodes base64, ignoring white space. False on a character outside the alphabet or when
// the result would exceed max_bytes (checked before decoding).
bool DecodeBase64(std::string_view text, size_t max_bytes, std::string* out);
std::string EncodeBase64(std::string_view bytes);

// Bytes in `charset` (any name ICU knows; empty means UTF-8, or Windows-1252 when the bytes
// are not valid UTF-8) to UTF-16. Unknown character sets are read as UTF-8.
std::u16string DecodeCharset(std::string_view bytes, std::string_view charset);
bool IsValidUtf8(std::string_view bytes);

// Backslash escapes of text values: \\ \, \; \n \N (and \r\n pairs written as "\n").
std::u16string UnescapeText(std::u16string_view text);
// Components of a structured value (N, ADR, ORG): split at unescaped ';', each unescaped.
std::vector<std::u16string> SplitStructured(std::u16string_view text);
// Items of a list value (CATEGORIES, NICKNAME): split at unescaped ',', each unescaped.
std::vector<std::u16string> SplitList(std::u16string_view text);

// Text to a UTF-8 value with "\\", "\n", "," and ";" escaped.
std::string EscapeText(std::u16string_view text);

// Folds one content line at 75 octets (CRLF and a space), never inside a UTF-8 sequence, and
// ends it with CRLF.
std::string FoldLine(std::string_view line);

}  // namespace platform::pim
