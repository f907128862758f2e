// Phone entry labels from the language texts.
#include "contacts/PhoneLabel.h"

#include <array>

#include "contacts/ContactFieldTable.h"
#include "theme/LanguageText.h"
#include "theme/SettingManager.h"

using contacts::kPhoneFields;
using contacts::PhoneField;
using theme::SettingManager;

namespace {

// The language text of each phone field, in the order of kPhoneFields.
using TextMember = std::u16string SettingManager::*;
constexpr std::array<TextMember, kPhoneFields.size()> kLabelTexts = {
    &SettingManager::txt_MobileTelephoneNumber,    &SettingManager::txt_BusinessTelephoneNumber,
    &SettingManager::txt_Business2TelephoneNumber, &SettingManager::txt_HomeTelephoneNumber,
    &SettingManager::txt_Home2TelephoneNumber,     &SettingManager::txt_PagerNumber,
    &SettingManager::txt_CarTelephoneNumber,       &SettingManager::txt_RadioNumber,
    &SettingManager::txt_CompanyTelephoneNumber,   &SettingManager::txt_AssistantTelephoneNumber,
};

constexpr std::u16string_view kNumberOnly = u"%s";

int PhoneFieldIndex(uint32_t field_id) {
  for (size_t i = 0; i < kPhoneFields.size(); ++i) {
    if (kPhoneFields[i].property_id == field_id) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

std::u16string PhoneLabel(const PhoneEntry& entry) {
  int index = PhoneFieldIndex(entry.field_id);
  if (index < 0) return std::u16string(kNumberOnly);
  return theme::Settings().*kLabelTexts[static_cast<size_t>(index)];
}

std::u16string_view DefaultPhoneLabel(const PhoneEntry& entry) {
  int index = PhoneFieldIndex(entry.field_id);
  return index < 0 ? kNumberOnly : kPhoneFields[static_cast<size_t>(index)].default_label;
}

std::u16string PhoneLabelText(const PhoneEntry& entry) {
  return theme::FormatText(PhoneLabel(entry), entry.number);
}
