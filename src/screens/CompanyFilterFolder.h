// The filter menu's "By Company..." folder: one entry per company of the contacts.
#pragma once

#include "screens/CompanyFilterChoice.h"
#include "screens/FilterFolder.h"
#include "theme/SettingManager.h"

class CompanyFilterFolder : public FilterFolder {
 public:
  using FilterFolder::FilterFolder;

  void PopulateFolder(SmartListControl& entries) override {
    AddChoices<CompanyFilterChoice>(entries, CollectValues(&ContactListItem::company),
                                    theme::Settings().txt_FilterNoCompany);
  }
};
