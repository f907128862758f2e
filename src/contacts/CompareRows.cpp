#include "contacts/CompareRows.h"

#include <unicode/ucol.h>

#include <memory>

#include "platform/Text.h"
#include "toolkit/BaseItem.h"

namespace {

struct CollatorDeleter {
  void operator()(UCollator* c) const { ucol_close(c); }
};

// The same collation as platform::CompareNoCase (root locale, secondary strength); ICU
// collators are not safe for concurrent use, so each thread keeps its own.
UCollator* NoCaseCollator() {
  thread_local std::unique_ptr<UCollator, CollatorDeleter> collator;
  if (!collator) {
    UErrorCode status = U_ZERO_ERROR;
    collator.reset(ucol_open("", &status));
    if (U_FAILURE(status)) {
      collator.reset();
      return nullptr;
    }
    ucol_setStrength(collator.get(), UCOL_SECONDARY);
  }
  return collator.get();
}

}  // namespace

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
  UCollator* collator = NoCaseCollator();
  if (!collator) return platform::ToUtf8(platform::ToUpper(text));
  std::string key(text.size() * 3 + 8, '\0');
  for (;;) {
    const int32_t need = ucol_getSortKey(
        collator, reinterpret_cast<const UChar*>(text.data()), static_cast<int32_t>(text.size()),
        reinterpret_cast<uint8_t*>(key.data()), static_cast<int32_t>(key.size()));
    if (need <= static_cast<int32_t>(key.size())) {
      key.resize(need > 0 ? static_cast<size_t>(need - 1) : 0);  // without the final 0
      key.shrink_to_fit();
      return key;
    }
    key.resize(static_cast<size_t>(need));
  }
}
