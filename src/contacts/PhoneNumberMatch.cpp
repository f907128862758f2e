// Phone number forms and SMS address matching.
#include "contacts/PhoneNumberMatch.h"

#include "contacts/ContactFieldTable.h"
#include "contacts/ContactListItem.h"
#include "theme/SettingManager.h"

std::u16string StripNumber(std::u16string_view number) {
  std::u16string out;
  out.reserve(number.size());
  for (char16_t c : number) {
    if ((c >= u'0' && c <= u'9') || c == u'+') out.push_back(c);
  }
  return out;
}

std::u16string NumberMatchKey(std::u16string_view number) {
  std::u16string stripped = StripNumber(number);
  if (stripped.size() > kMaxMatchKeyLength) {
    stripped.erase(0, stripped.size() - kMaxMatchKeyLength);
  }
  return stripped;
}

bool MatchKeysMatch(std::u16string_view contact_key, std::u16string_view address_key) {
  if (contact_key.size() < 7 || address_key.size() < 4) return contact_key == address_key;
  if (contact_key == address_key) return true;
  return contact_key.find(address_key) != std::u16string_view::npos ||
         address_key.find(contact_key) != std::u16string_view::npos;
}

bool MatchesNumber(const ContactListItem& row, std::u16string_view address,
                   bool allow_empty_address) {
  const std::u16string a = NumberMatchKey(address);
  if (a.empty() && !allow_empty_address) return false;
  for (const PhoneEntry& phone : row.phones) {
    if (MatchKeysMatch(NumberMatchKey(phone.number), a)) return true;
  }
  return false;
}

bool IsSmsNumber(const PhoneEntry& entry) {
  if (entry.field_id == contacts::kMobilePhoneProperty) return true;
  const std::u16string stripped = StripNumber(entry.number);
  for (const std::u16string& prefix : theme::Settings().sms_prefixes) {
    if (stripped.starts_with(prefix)) return true;
  }
  return false;
}

PhoneEntry GetSmsNumber(const ContactListItem& row) {
  for (const PhoneEntry& phone : row.phones) {
    if (phone.field_id == contacts::kMobilePhoneProperty) return phone;
  }
  for (const PhoneEntry& phone : row.phones) {
    if (IsSmsNumber(phone)) return phone;
  }
  return PhoneEntry{};
}
