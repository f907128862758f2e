// The filter menu's "Favorites" entry: only the favourite contacts.
#pragma once

#include <memory>

#include "contacts/FavoriteFilterItem.h"
#include "screens/FilterChoice.h"

class FavoriteFilterChoice : public FilterChoice {
 public:
  using FilterChoice::FilterChoice;

  std::unique_ptr<ISmartListFilter> CreateFilter() const override {
    return std::make_unique<FavoriteFilterItem>();
  }
};
