#include "contacts/CompareRows.h"

#include "platform/Text.h"
#include "toolkit/BaseItem.h"

bool CompareRows(const IListItem* a, const IListItem* b) {
  const auto* x = dynamic_cast<const BaseItem*>(a);
  const auto* y = dynamic_cast<const BaseItem*>(b);
  if (!x || !y) return false;
  if (x->text.empty() && y->text.empty()) {
    if (x->order_value != y->order_value) return x->order_value > y->order_value;
    return x < y;
  }
  if (x->text.empty()) return true;
  if (y->text.empty()) return false;
  return platform::CompareNoCase(x->text, y->text) < 0;
}

std::string RowSortKey(std::u16string_view text) {
  std::string key = platform::NoCaseSortKey(text);
  key.shrink_to_fit();
  return key;
}

char16_t IndexLetter(std::u16string_view text) {
  if (text.empty()) return u' ';
  const char16_t letter = platform::FirstComparedUnit(text);
  return platform::IsDigitUnit(letter) ? u'#' : letter;
}

char16_t IndexLetterIn(std::u16string_view text, std::u16string_view index_letters) {
  const char16_t letter = IndexLetter(text);
  if (index_letters.find(letter) != std::u16string_view::npos) return letter;
  for (char16_t candidate : index_letters) {
    if (platform::SameBaseLetter(letter, candidate)) return candidate;
  }
  return 0;
}
