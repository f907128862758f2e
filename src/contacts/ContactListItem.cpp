// The contact record's small queries.
#include "contacts/ContactListItem.h"

const PhoneEntry* ContactListItem::PreferredPhone() const {
  return phones.empty() ? nullptr : &phones.back();
}
