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

  // While the row stands for no stored contact, a tap opens the platform editor on a new
  // contact (never the detail screen); otherwise it acts as a contact row.
  void OnClick(SmartListControl& list) override;

  // Opens the platform editor on a new, empty contact; the new contact reaches the list
  // through the store's change notification.
  void EditInPlatform(SmartListControl& list, platform::ui::HWND window) override;
};
