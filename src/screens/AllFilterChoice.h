// The filter menu's "All contacts" entry.
#pragma once

#include <memory>

#include "contacts/AllContactsFilterItem.h"
#include "screens/FilterChoice.h"

class AllFilterChoice : public FilterChoice {
 public:
  using FilterChoice::FilterChoice;

  std::unique_ptr<ISmartListFilter> CreateFilter() const override {
    return std::make_unique<AllContactsFilterItem>();
  }
};
