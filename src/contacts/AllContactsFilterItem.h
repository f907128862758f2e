// The "all contacts" filter: displays every row except the SMS senders who are not contacts
// and have no unread SMS left, so that such a sender disappears once its SMS are read.
#pragma once

#include <string>

#include "toolkit/ISmartListFilter.h"

class AllContactsFilterItem : public ISmartListFilter {
 public:
  // Reads the txt_AllContacts language text; make it on the UI thread
  // (GetTitle then reads no settings and may run on the loading thread).
  AllContactsFilterItem();

  // An SmsContactListItem only while its unread SMS count is above 0; every other row,
  // separators included.
  bool Accept(const IListItem& row) override;
  std::u16string GetTitle() override { return title_; }

 private:
  const std::u16string title_;
};
