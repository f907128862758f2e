// A sender of SMS who is not a contact. Its sort text begins with "ZZ" so that these rows
// sort after the contacts; its one phone entry is the sender's number.
#pragma once

#include <string_view>

#include "contacts/ContactListItem.h"

class SmsContactListItem : public ContactListItem {
 public:
  // `sender_name` is the sender's display name, `stripped_number` the sender's address
  // reduced to digits and "+", `service_message_text` the language text
  // txt_ServiceMessageName shown when that number is empty.
  SmsContactListItem(std::u16string_view sender_name, std::u16string_view stripped_number,
                     std::u16string_view service_message_text, bool read, int32_t row_height);
};
