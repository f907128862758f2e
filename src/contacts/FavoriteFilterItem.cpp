#include "contacts/FavoriteFilterItem.h"

#include "contacts/ContactListItem.h"
#include "theme/SettingManager.h"

FavoriteFilterItem::FavoriteFilterItem() : title_(theme::Settings().txt_FilteredFavorites) {}

bool FavoriteFilterItem::Accept(const IListItem& row) {
  const auto* contact = dynamic_cast<const ContactListItem*>(&row);
  return contact != nullptr && contact->favourite;
}
