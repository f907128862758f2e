// A row for an SMS sender who is not a contact: construction, tap and number matching.
#include "contacts/SmsContactListItem.h"

#include "contacts/ContactFieldTable.h"
#include "contacts/ContactRowNavigation.h"
#include "contacts/PhoneNumberMatch.h"
#include "contacts/PlatformContactEditor.h"
#include "platform/pim/PimApplication.h"
#include "platform/pim/PimItem.h"

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

void SmsContactListItem::EditInPlatform(SmartListControl& list, platform::ui::HWND window) {
  // A new contact with the sender's number as its mobile number. Saved, it reaches the list
  // through the store's notification; cancelled, nothing was stored and this row stays as it
  // is (it is never reloaded from the unsaved item).
  platform::pim::PimApplication* store = PlatformContactEditor::StoreOf(list, "EditInPlatform");
  if (!store) return;
  std::unique_ptr<platform::pim::PimItem> item = store->CreateItem();
  if (item->SetProps({platform::pim::PropertyValue::Text(
          contacts::kMobilePhoneProperty, second_line)}) != platform::pim::PimResult::kOk) {
    ContactRowNavigation::Trace("EditInPlatform: the sender's number was refused");
  }
  PlatformContactEditor::Edit(window, *item, "EditInPlatform (sender)");
}
