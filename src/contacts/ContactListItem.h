// The in-memory record of one contact, which is also the contact's row in the contact list.
// It holds only what the screens, filters and SMS matching need: texts already formatted by
// the theme's expressions, the e-mail addresses, company, city and categories, the phone
// numbers, the favourite flag and the picture. The full contact stays in the store.
//
// Fields are public data. A record held by a list is changed on the list's thread or under
// the list's lock.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "contacts/PhoneEntry.h"
#include "theme/Image.h"
#include "toolkit/BaseItem.h"

class ContactListItem : public BaseItem {
 public:
  // Object id of a record that stands for no stored contact.
  static constexpr uint32_t kNoObjectId = 0xFFFFFFFFu;

  // A record `row_height` pixels high (the theme's contact_height), not yet filled.
  explicit ContactListItem(int32_t row_height) : BaseItem(row_height) {}

  // The preferred number: the last phone entry, or none.
  const PhoneEntry* PreferredPhone() const;

  uint32_t object_id = kNoObjectId;
  std::u16string display_name;  // header text, or the file-as name when that is empty
  std::u16string header;        // header text without fallback
  std::u16string second_line;
  std::u16string detail;
  std::u16string email1;
  std::u16string email2;
  std::u16string email3;
  std::u16string company;
  std::u16string categories;
  std::u16string city;
  // The contact's picture scaled for the row; none unless the theme shows pictures.
  std::unique_ptr<theme::Image> picture;
  bool favourite = false;
  // Phone entries in reverse priority order: the preferred (highest priority) number last.
  std::vector<PhoneEntry> phones;
  // False when the contact is hidden for having no number; during a load it also marks
  // the record as confirmed by the store.
  bool shown = true;
};
