#include "contacts/CompanyFilterItem.h"

#include "contacts/ContactListItem.h"
#include "theme/SettingManager.h"

CompanyFilterItem::CompanyFilterItem(std::u16string_view company)
    : TextFilterItem(company, theme::Settings().txt_FilteredByCompany) {}

bool CompanyFilterItem::Accept(const IListItem& row) {
  const ContactListItem* contact = ContactOf(row);
  return contact != nullptr && contact->company == text_;
}
