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

  // A tap always opens the SMS screen with the sender's number.
  void OnClick(SmartListControl& list) override;

  // Whether `address` is the sender's number. Unlike a stored contact, an address without
  // digits matches a sender without digits (service messages gather on one row).
  bool MatchesNumber(std::u16string_view address) const override;

  // Opens the platform editor on a new contact prefilled with the sender's number.
  void EditInPlatform(SmartListControl& list, platform::ui::HWND window) override;
};
