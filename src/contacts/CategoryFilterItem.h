// The category filter: displays the contacts whose categories text contains a text anywhere
// (inside a longer word too). The empty text stands for "no category" and displays only the
// contacts whose categories text is empty.
#pragma once

#include <string_view>

#include "contacts/TextFilterItem.h"

class CategoryFilterItem : public TextFilterItem {
 public:
  explicit CategoryFilterItem(std::u16string_view category);

  // A contact row without categories for the empty text; otherwise one whose categories
  // text contains the text anywhere (case-sensitive).
  bool Accept(const IListItem& row) override;
};
