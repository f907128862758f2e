#include "contacts/CityFilterItem.h"

#include "contacts/ContactListItem.h"
#include "theme/LanguageText.h"
#include "theme/SettingManager.h"

CityFilterItem::CityFilterItem(std::u16string_view city)
    : text_(city), title_format_(theme::Settings().txt_FilteredByCity) {}

bool CityFilterItem::Accept(const IListItem& row) {
  const auto* contact = dynamic_cast<const ContactListItem*>(&row);
  return contact != nullptr && contact->city == text_;
}

std::u16string CityFilterItem::GetTitle() {
  return theme::FormatText(title_format_, text_);
}
