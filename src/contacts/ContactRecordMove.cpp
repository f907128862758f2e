#include "contacts/ContactRecordMove.h"

#include <utility>

#include "contacts/ContactListItem.h"

void MoveContactRecord(ContactListItem& from, ContactListItem& to) {
  to.text = std::move(from.text);
  to.object_id = from.object_id;
  to.display_name = std::move(from.display_name);
  to.header = std::move(from.header);
  to.second_line = std::move(from.second_line);
  to.detail = std::move(from.detail);
  to.email1 = std::move(from.email1);
  to.email2 = std::move(from.email2);
  to.email3 = std::move(from.email3);
  to.company = std::move(from.company);
  to.categories = std::move(from.categories);
  to.city = std::move(from.city);
  to.favourite = from.favourite;
  to.phones = std::move(from.phones);
  to.shown = from.shown;
}
