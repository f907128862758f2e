// The company filter: displays the contacts whose company equals a text exactly. The empty
// text stands for "no company" and displays the contacts without one.
#pragma once

#include <string_view>

#include "contacts/TextFilterItem.h"

class CompanyFilterItem : public TextFilterItem {
 public:
  explicit CompanyFilterItem(std::u16string_view company);

  // A contact row whose company equals the text (case-sensitive).
  bool Accept(const IListItem& row) override;
};
