// The filter of contacts with whom SMS were exchanged. It displays every contact row with at
// least one SMS and, after each re-sort, orders the displayed rows by unread SMS first, then
// by the newest SMS, then by the number of SMS, then by sort key.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/ISmartListFilter.h"

class SeparatorItem;

class SmsFilterItem : public ISmartListFilter {
 public:
  // Reads the txt_FilteredBySms language text and the filter_title_height setting; make it
  // on the UI thread (the filter then reads no settings and may run on the loading thread).
  SmsFilterItem();

  // A ContactListItem (or derived) whose SMS count is above 0; no other row.
  bool Accept(const IListItem& row) override;
  // The txt_FilteredBySms language text.
  std::u16string GetTitle() override { return title_; }
  // PlaceSeparators with the list's SMS separator rows and master rows, then SortBySms of
  // `displayed`. The caller holds the list's lock.
  void ArrangeDisplayed(SmartListControl& list, std::vector<IListItem*>& displayed) override;

  // When both separator rows exist: sets both heights to 0, then gives the second ("Read
  // SMS") `shown_height` when a contact row of `master` has unread SMS.
  // Does nothing when either row is missing.
  static void PlaceSeparators(std::pair<SeparatorItem*, SeparatorItem*> separators,
                              const std::vector<IListItem*>& master, int32_t shown_height);
  // Sorts the BaseItem rows of `rows` (unstable): more unread SMS first; then the newer
  // newest SMS; then more SMS; then the smaller sort key compared without case. Rows that
  // are not BaseItems keep their positions.
  static void SortBySms(std::vector<IListItem*>& rows);

 private:
  const std::u16string title_;
  const int32_t separator_height_;
};
