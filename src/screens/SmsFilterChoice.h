// The filter menu's "Contacts with SMS" entry.
#pragma once

#include <memory>

#include "contacts/SmsFilterItem.h"
#include "screens/FilterChoice.h"

class SmsFilterChoice : public FilterChoice {
 public:
  using FilterChoice::FilterChoice;

  std::unique_ptr<ISmartListFilter> CreateFilter() const override {
    return std::make_unique<SmsFilterItem>();
  }
};
