// The "new contact" row at the top of the contact list: it stands for no stored contact and
// sorts before every contact (its sort text is empty).
#pragma once

#include <string_view>

#include "contacts/ContactListItem.h"

class NewContactListItem : public ContactListItem {
 public:
  // `new_contact_text` is the language text txt_NewContact; the row shows it in angle
  // brackets.
  NewContactListItem(std::u16string_view new_contact_text, int32_t row_height);
};
