// The order of the contact list: rows with an empty sort text first (larger order value
// first, then by address so the order is strict), then by sort text compared without case,
// accents counting only where the letters are equal, hyphens and apostrophes not at all; and
// the letter each row is filed under in that order.
#pragma once

#include <string>
#include <string_view>

class IListItem;

// True when `a` sorts before `b`. Rows that are not BaseItems never sort before anything.
bool CompareRows(const IListItem* a, const IListItem* b);

// A byte string whose order matches the text comparison CompareRows uses, so that many rows
// can be sorted by comparing bytes. Thread-safe.
std::string RowSortKey(std::u16string_view text);

// The letter a row with sort text `text` is filed under, for its letter separator and the
// index strip: the first character the comparison does not skip ("'T HOOFT" is under T), "#"
// for a decimal digit, a space for the empty text.
char16_t IndexLetter(std::u16string_view text);

// The letter of `index_letters` that a row with sort text `text` is filed under: its
// IndexLetter when that is one of them, else the one it equals but for case and accents
// ("ČERNÝ" under C, "ØSTER" under O); 0 when it belongs to none.
char16_t IndexLetterIn(std::u16string_view text, std::u16string_view index_letters);
