// A city of the city folder (the empty value: the contacts without one).
#pragma once

#include <memory>

#include "contacts/CityFilterItem.h"
#include "screens/FilterChoice.h"

class CityFilterChoice : public FilterChoice {
 public:
  using FilterChoice::FilterChoice;

  std::unique_ptr<ISmartListFilter> CreateFilter() const override {
    return std::make_unique<CityFilterItem>(Value());
  }
};
