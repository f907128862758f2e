// Filling a contact record from store values.
#include "contacts/FillContact.h"

#include "contacts/ExpandExpression.h"
#include "platform/Text.h"

using namespace contacts;

std::vector<PhoneEntry> ReadPhoneList(const ContactValues& values) {
  std::vector<PhoneEntry> phones;
  for (const PhoneField& field : kPhoneFields) {
    std::u16string_view number;
    if (values.Text(field.row, number) != ValueState::kPresent) continue;
    phones.insert(phones.begin(), PhoneEntry{std::u16string(number), field.property_id});
  }
  return phones;
}

namespace {

std::u16string FileAsName(const ContactValues& values) {
  std::u16string_view text;
  if (values.Text(kRowFileAs, text) != ValueState::kPresent) return {};
  return std::u16string(text);
}

void FillTexts(ContactListItem& record, const ContactValues& values,
               const ContactFillSettings& settings) {
  const ContactExpressions& e = settings.expressions;
  auto expand = [&](std::u16string_view expression) {
    return ExpandExpression(expression, record, values);
  };
  record.display_name = expand(e.header);
  // A full read falls back to the file-as name only when contacts without a number are
  // hidden; a bulk read always does.
  bool fallback = values.IsRequestListForm() || settings.hide_contact_without_phone;
  if (record.display_name.empty() && fallback) record.display_name = FileAsName(values);

  std::u16string sort_key = expand(e.sort);
  if (sort_key.empty()) sort_key = FileAsName(values);
  record.text = platform::ToUpper(sort_key);

  record.email1 = expand(u"%email");
  record.email2 = expand(u"%email2");
  record.email3 = expand(u"%email3");
  record.second_line = expand(e.second_line);
  record.header = expand(e.header);
  record.detail = expand(e.detail);
  record.company = expand(u"%company");
  record.city = expand(u"%addresscity");
  record.categories = expand(u"%categories");
}

}  // namespace

void FillContact(ContactListItem& record, const ContactValues& values,
                 const ContactFillSettings& settings) {
  record.object_id = static_cast<uint32_t>(values.Number(kRowObjectId));
  record.phones = ReadPhoneList(values);
  record.shown = !(record.phones.empty() && settings.hide_contact_without_phone);
  if (values.IsRequestListForm() && !record.shown) return;
  record.favourite = values.Number(kRowFavorite) != 0;
  FillTexts(record, values, settings);
}
