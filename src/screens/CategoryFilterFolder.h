// The filter menu's "By Category..." folder: one entry per category of the contacts, and
// one for the contacts without any (always present).
#pragma once

#include "screens/CategoryFilterChoice.h"
#include "screens/FilterFolder.h"
#include "theme/SettingManager.h"

class CategoryFilterFolder : public FilterFolder {
 public:
  using FilterFolder::FilterFolder;

  void PopulateFolder(SmartListControl& entries) override {
    AddChoices<CategoryFilterChoice>(entries, CollectCategories(),
                                     theme::Settings().txt_FilterNoCategory);
  }
};
