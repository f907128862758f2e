#include "screens/FilterSmartListControl.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>

#include "platform/Text.h"
#include "screens/FilterBase.h"
#include "screens/LeftSearchPanel.h"
#include "toolkit/AnimationRunners.h"
#include "toolkit/ListAnimation.h"

namespace {

// True when `a` sorts before `b`. Rows that are not menu entries compare as equal to all.
bool EntryBefore(const IListItem* a, const IListItem* b) {
  const auto* x = dynamic_cast<const FilterBase*>(a);
  const auto* y = dynamic_cast<const FilterBase*>(b);
  if (!x || !y) return false;
  if (x->Value().empty() != y->Value().empty()) return y->Value().empty();
  return platform::CompareNoCase(x->Caption(), y->Caption()) < 0;
}

}  // namespace

RECT FilterSmartListControl::OnKey(uint32_t virtual_key, char16_t character) {
  if (virtual_key != LeftSearchPanel::kJumpToLetterKey) {
    return SmartListControl::OnKey(virtual_key, character);
  }
  StopFling();
  int32_t target = -1;
  {
    std::lock_guard lock(ListLock());
    const std::u16string letter(1, platform::IsDigitUnit(character) ? u'#' : character);
    int32_t y = 0;
    for (size_t i = 0; i < DisplayedCount(); ++i) {
      const IListItem* row = DisplayedItem(i);
      const auto* entry = dynamic_cast<const FilterBase*>(row);
      if (entry && platform::CompareNoCase(entry->Caption(), letter) >= 0) {
        target = y;
        break;
      }
      y += row->height;
    }
    // A short list, or an entry near the end, stops at the end instead of in the overshoot.
    const int32_t end = std::max(0, MaxScrollOffset());
    if (target < 0 || target > end) target = end;
  }
  RunListAnimation(HostWindow(), std::make_unique<ListAnimation>(*this, target, kJumpAnimationMs));
  return {};
}

void FilterSmartListControl::OnFilterApplied() {
  std::lock_guard lock(ListLock());
  std::stable_sort(DisplayedItems().begin(), DisplayedItems().end(), EntryBefore);
  std::stable_sort(MasterItems().begin(), MasterItems().end(), EntryBefore);
  InvalidateContentHeight();
  ForceFullPaint();
}
