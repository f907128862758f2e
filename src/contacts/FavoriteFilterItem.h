// The favourites filter: displays the contacts marked as favourites.
#pragma once

#include <string>

#include "toolkit/ISmartListFilter.h"

class FavoriteFilterItem : public ISmartListFilter {
 public:
  // Reads the txt_FilteredFavorites language text; make it on the UI thread
  // (GetTitle then reads no settings and may run on the loading thread).
  FavoriteFilterItem();

  // A ContactListItem (or derived) whose favourite flag is set; no other row.
  bool Accept(const IListItem& row) override;
  std::u16string GetTitle() override { return title_; }

 private:
  const std::u16string title_;
};
