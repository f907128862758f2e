#include "contacts/CompanyFilterItem.h"

#include "contacts/ContactListItem.h"
#include "theme/LanguageText.h"
#include "theme/SettingManager.h"

CompanyFilterItem::CompanyFilterItem(std::u16string_view company)
    : text_(company), title_format_(theme::Settings().txt_FilteredByCompany) {}

bool CompanyFilterItem::Accept(const IListItem& row) {
  const auto* contact = dynamic_cast<const ContactListItem*>(&row);
  return contact != nullptr && contact->company == text_;
}

std::u16string CompanyFilterItem::GetTitle() {
  return theme::FormatText(title_format_, text_);
}
