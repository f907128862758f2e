#include "contacts/CategoryFilterItem.h"

#include "contacts/ContactListItem.h"
#include "theme/LanguageText.h"
#include "theme/SettingManager.h"

CategoryFilterItem::CategoryFilterItem(std::u16string_view category)
    : text_(category), title_format_(theme::Settings().txt_FilteredByCategory) {}

bool CategoryFilterItem::Accept(const IListItem& row) {
  const auto* contact = dynamic_cast<const ContactListItem*>(&row);
  if (contact == nullptr) return false;
  if (text_.empty()) return contact->categories.empty();
  return contact->categories.find(text_) != std::u16string::npos;
}

std::u16string CategoryFilterItem::GetTitle() {
  return theme::FormatText(title_format_, text_);
}
