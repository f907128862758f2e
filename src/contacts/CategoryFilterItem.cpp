#include "contacts/CategoryFilterItem.h"

#include "contacts/ContactListItem.h"
#include "theme/SettingManager.h"

CategoryFilterItem::CategoryFilterItem(std::u16string_view category)
    : TextFilterItem(category, theme::Settings().txt_FilteredByCategory) {}

bool CategoryFilterItem::Accept(const IListItem& row) {
  const ContactListItem* contact = ContactOf(row);
  if (contact == nullptr) return false;
  if (text_.empty()) return contact->categories.empty();
  return contact->categories.find(text_) != std::u16string::npos;
}
