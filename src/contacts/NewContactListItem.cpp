// Construction of the "new contact" row.
#include "contacts/NewContactListItem.h"

NewContactListItem::NewContactListItem(std::u16string_view new_contact_text, int32_t row_height)
    : ContactListItem(row_height) {
  display_name = u"<";
  display_name += new_contact_text;
  display_name += u">";
  shown = true;
}
