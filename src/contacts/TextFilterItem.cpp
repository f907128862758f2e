#include "contacts/TextFilterItem.h"

#include "contacts/ContactListItem.h"
#include "theme/LanguageText.h"

std::u16string TextFilterItem::GetTitle() {
  return theme::FormatText(title_format_, text_);
}

const ContactListItem* TextFilterItem::ContactOf(const IListItem& row) {
  return dynamic_cast<const ContactListItem*>(&row);
}
