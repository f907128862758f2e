// A company of the company folder (the empty value: the contacts without one).
#pragma once

#include <memory>

#include "contacts/CompanyFilterItem.h"
#include "screens/FilterChoice.h"

class CompanyFilterChoice : public FilterChoice {
 public:
  using FilterChoice::FilterChoice;

  std::unique_ptr<ISmartListFilter> CreateFilter() const override {
    return std::make_unique<CompanyFilterItem>(Value());
  }
};
