#include "contacts/AllContactsFilterItem.h"

#include "contacts/SmsContactListItem.h"
#include "theme/SettingManager.h"

AllContactsFilterItem::AllContactsFilterItem() : title_(theme::Settings().txt_AllContacts) {}

bool AllContactsFilterItem::Accept(const IListItem& row) {
  const auto* sender = dynamic_cast<const SmsContactListItem*>(&row);
  return sender == nullptr || sender->unread_sms_count > 0;
}
