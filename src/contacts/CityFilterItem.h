// The city filter: displays the contacts whose city equals a text exactly. The empty
// text stands for "no city" and displays the contacts without one.
#pragma once

#include <string_view>

#include "contacts/TextFilterItem.h"

class CityFilterItem : public TextFilterItem {
 public:
  explicit CityFilterItem(std::u16string_view city);

  // A contact row whose city equals the text (case-sensitive).
  bool Accept(const IListItem& row) override;
};
