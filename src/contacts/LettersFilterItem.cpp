#include "contacts/LettersFilterItem.h"

#include <algorithm>

#include "contacts/ContactListItem.h"
#include "contacts/PhoneNumberMatch.h"
#include "contacts/PhonePadMatch.h"
#include "platform/Text.h"
#include "theme/LanguageText.h"
#include "theme/SettingManager.h"

LettersFilterItem::LettersFilterItem(std::u16string_view text)
    : text_(platform::ToLower(text.substr(0, kMaxTextLength))),
      title_format_(theme::Settings().txt_FilteredByLetters),
      key_groups_(theme::Settings().phonepad_keys) {}

bool LettersFilterItem::Accept(const IListItem& row) {
  const auto* contact = dynamic_cast<const ContactListItem*>(&row);
  if (contact == nullptr) return false;
  const std::u16string name = platform::ToLower(contact->display_name);
  if (name.find(text_) != std::u16string::npos) return true;
  const bool number_contains =
      std::any_of(contact->phones.begin(), contact->phones.end(), [this](const PhoneEntry& phone) {
        return StripNumber(phone.number).find(text_) != std::u16string::npos;
      });
  return number_contains || PhonePadMatch(name, text_, key_groups_);
}

std::u16string LettersFilterItem::GetTitle() {
  return theme::FormatText(title_format_, text_);
}

bool LettersFilterItem::AppendChar(char16_t c) {
  if (text_.size() >= kMaxTextLength) return false;
  text_.push_back(platform::ToLowerUnit(c));
  return true;
}

bool LettersFilterItem::RemoveLastChar() {
  if (text_.empty()) return false;
  text_.pop_back();
  return true;
}
