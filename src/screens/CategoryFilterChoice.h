// A category of the category folder (the empty value: the contacts without any).
#pragma once

#include <memory>

#include "contacts/CategoryFilterItem.h"
#include "screens/FilterChoice.h"

class CategoryFilterChoice : public FilterChoice {
 public:
  using FilterChoice::FilterChoice;

  std::unique_ptr<ISmartListFilter> CreateFilter() const override {
    return std::make_unique<CategoryFilterItem>(Value());
  }
};
