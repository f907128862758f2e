#include "contacts/CityFilterItem.h"

#include "contacts/ContactListItem.h"
#include "theme/SettingManager.h"

CityFilterItem::CityFilterItem(std::u16string_view city)
    : TextFilterItem(city, theme::Settings().txt_FilteredByCity) {}

bool CityFilterItem::Accept(const IListItem& row) {
  const ContactListItem* contact = ContactOf(row);
  return contact != nullptr && contact->city == text_;
}
