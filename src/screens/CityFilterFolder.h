// The filter menu's "By City..." folder: one entry per city of the contacts.
#pragma once

#include "screens/CityFilterChoice.h"
#include "screens/FilterFolder.h"
#include "theme/SettingManager.h"

class CityFilterFolder : public FilterFolder {
 public:
  using FilterFolder::FilterFolder;

  void PopulateFolder(SmartListControl& entries) override {
    AddChoices<CityFilterChoice>(entries, CollectValues(&ContactListItem::city),
                                 theme::Settings().txt_FilterNoCity);
  }
};
