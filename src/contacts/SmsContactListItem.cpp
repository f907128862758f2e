// A row for an SMS sender who is not a contact: construction, tap and number matching.
#include "contacts/SmsContactListItem.h"

#include "contacts/ContactFieldTable.h"
#include "contacts/ContactRowNavigation.h"
#include "contacts/PhoneNumberMatch.h"

SmsContactListItem::SmsContactListItem(std::u16string_view sender_name,
                                       std::u16string_view stripped_number,
                                       std::u16string_view service_message_text, bool read,
                                       int32_t row_height)
    : ContactListItem(row_height) {
  display_name = stripped_number.empty() ? service_message_text : sender_name;
  second_line = stripped_number;
  header = display_name;
  text = u"ZZ";
  text += sender_name;
  unread_sms_count = read ? 0 : 1;
  sms_count = 1;
  phones.push_back(PhoneEntry{std::u16string(stripped_number), contacts::kMobilePhoneProperty});
}

void SmsContactListItem::OnClick(SmartListControl& list) {
  PutKeyboardDown(list);
  ContactRowNavigation::ShowSms(*this, GetSmsNumber(*this));
}

bool SmsContactListItem::MatchesNumber(std::u16string_view address) const {
  return ::MatchesNumber(*this, address, /*allow_empty_address=*/true);
}

void SmsContactListItem::EditInPlatform(SmartListControl&, platform::ui::HWND) {
  ContactRowNavigation::Trace("EditInPlatform: no platform contact editor; sender not added");
}
