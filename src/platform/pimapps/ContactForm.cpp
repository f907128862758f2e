#include "platform/pimapps/ContactForm.h"

#include <algorithm>
#include <array>

#include "platform/pim/PimContactFields.h"
#include "platform/pim/PimItem.h"

namespace platform::pimapps {

namespace {

using namespace pim::prop;

enum Group {
  kName,
  kWork,
  kPhones,
  kMail,
  kBusinessAddr,
  kHomeAddr,
  kOtherAddr,
  kOther,
  kMoreWork,
  kMessaging,
  kFamily,
  kPhonetic,
  kAccount,
  kLabels,
};

constexpr std::array<ContactFormGroup, 14> kGroups = {{
    {u"Name", false},
    {u"Work", false},
    {u"Phones", false},
    {u"E-mail and web", false},
    {u"Business address", false},
    {u"Home address", false},
    {u"Other address", false},
    {u"Other", false},
    {u"More work", true},
    {u"Messaging", true},
    {u"Family", true},
    {u"Phonetic names", true},
    {u"Account", true},
    {u"Address labels", true},
}};

// Street, city, state, postal code and country follow the whole address in each family.
constexpr pim::PropertyId Part(pim::PropertyId whole, int part) {
  return ((((whole >> 16) & 0x0FFF) + part) << 16) | 0x1F;
}

constexpr std::array<ContactFormField, 64> kFields = {{
    {kFirstName, u"First name", kName},
    {kMiddleName, u"Middle name", kName},
    {kLastName, u"Last name", kName},
    {kTitle, u"Title", kName},
    {kSuffix, u"Suffix", kName},
    {kNickname, u"Nickname", kName},
    {kFileAs, u"File as", kName},
    {kCompany, u"Company", kWork},
    {kDepartment, u"Department", kWork},
    {kJobTitle, u"Job title", kWork},
    {kMobilePhone, u"Mobile", kPhones},
    {kHomePhone, u"Home", kPhones},
    {kHomePhone2, u"Home 2", kPhones},
    {kBusinessPhone, u"Work", kPhones},
    {kBusinessPhone2, u"Work 2", kPhones},
    {kBusinessFax, u"Work fax", kPhones},
    {kHomeFax, u"Home fax", kPhones},
    {kPager, u"Pager", kPhones},
    {kCarPhone, u"Car", kPhones},
    {kRadioPhone, u"Radio", kPhones},
    {kAssistantPhone, u"Assistant", kPhones},
    {kCompanyPhone, u"Company phone", kPhones},
    {kEmail1, u"E-mail", kMail},
    {kEmail1 + 0x10000, u"E-mail 2", kMail},
    {kEmail1 + 0x20000, u"E-mail 3", kMail},
    {kWebPage, u"Web page", kMail},
    {Part(kBusinessAddress, 1), u"Street", kBusinessAddr},
    {Part(kBusinessAddress, 2), u"City", kBusinessAddr},
    {Part(kBusinessAddress, 3), u"State", kBusinessAddr},
    {Part(kBusinessAddress, 4), u"Postal code", kBusinessAddr},
    {Part(kBusinessAddress, 5), u"Country", kBusinessAddr},
    {Part(kHomeAddress, 1), u"Street", kHomeAddr},
    {Part(kHomeAddress, 2), u"City", kHomeAddr},
    {Part(kHomeAddress, 3), u"State", kHomeAddr},
    {Part(kHomeAddress, 4), u"Postal code", kHomeAddr},
    {Part(kHomeAddress, 5), u"Country", kHomeAddr},
    {Part(kOtherAddress, 1), u"Street", kOtherAddr},
    {Part(kOtherAddress, 2), u"City", kOtherAddr},
    {Part(kOtherAddress, 3), u"State", kOtherAddr},
    {Part(kOtherAddress, 4), u"Postal code", kOtherAddr},
    {Part(kOtherAddress, 5), u"Country", kOtherAddr},
    {kCategories, u"Categories", kOther},
    {kNote, u"Note", kOther, true},
    {kManager, u"Manager", kMoreWork},
    {kOfficeLocation, u"Office", kMoreWork},
    {kAssistantName, u"Assistant's name", kMoreWork},
    {kIm1, u"IM", kMessaging},
    {kIm1 + 0x10000, u"IM 2", kMessaging},
    {kIm1 + 0x20000, u"IM 3", kMessaging},
    {kSms, u"SMS address", kMessaging},
    {kMms, u"MMS address", kMessaging},
    {kSpouse, u"Spouse", kFamily},
    {kChildren, u"Children", kFamily},
    {kYomiFirstName, u"Phonetic first name", kPhonetic},
    {kYomiLastName, u"Phonetic last name", kPhonetic},
    {kYomiCompany, u"Phonetic company", kPhonetic},
    {kDisplayName, u"Display name", kAccount},
    {kCustomerId, u"Customer ID", kAccount},
    {kGovernmentId, u"Government ID", kAccount},
    {kAccountName, u"Account", kAccount},
    {kRingtone, u"Ring tone", kAccount},
    {kBusinessAddress, u"Business", kLabels, true},
    {kHomeAddress, u"Home", kLabels, true},
    {kOtherAddress, u"Other", kLabels, true},
}};

bool IsNameField(pim::PropertyId id) {
  return id == kFirstName || id == kMiddleName || id == kLastName || id == kCompany;
}

}  // namespace

std::span<const ContactFormGroup> ContactFormGroups() {
  return kGroups;
}

std::span<const ContactFormField> ContactFormFields() {
  return kFields;
}

int ContactForm::IndexOf(pim::PropertyId id) {
  for (size_t i = 0; i < kFields.size(); ++i) {
    if (kFields[i].id == id) return static_cast<int>(i);
  }
  return -1;
}

std::u16string ContactForm::FileAsFromName(std::u16string_view first, std::u16string_view middle,
                                           std::u16string_view last, std::u16string_view company) {
  std::u16string given(first);
  if (!middle.empty()) {
    if (!given.empty()) given += u' ';
    given += middle;
  }
  std::u16string result(last);
  if (!given.empty()) {
    if (!result.empty()) result += u", ";
    result += given;
  }
  return result.empty() ? std::u16string(company) : result;
}

std::u16string ContactForm::ComputedFileAs() const {
  return FileAsFromName(values_[IndexOf(kFirstName)], values_[IndexOf(kMiddleName)],
                        values_[IndexOf(kLastName)], values_[IndexOf(kCompany)]);
}

bool ContactForm::Load(const pim::PimItem& item) {
  std::vector<pim::PropertyId> ids;
  for (const ContactFormField& f : kFields) ids.push_back(f.id);
  std::vector<pim::PropertyValue> read;
  if (item.GetProps(ids, &read) != pim::PimResult::kOk || read.size() != ids.size()) return false;
  values_.clear();
  for (const pim::PropertyValue& v : read) values_.push_back(v.HasText() ? v.text : u"");
  original_ = values_;
  const std::u16string& stored = values_[IndexOf(kFileAs)];
  file_as_follows_ = stored.empty() || stored == ComputedFileAs();
  return true;
}

void ContactForm::SetValue(size_t field, std::u16string value) {
  if (field >= values_.size()) return;
  if (value.size() > pim::kMaxTextUnits) value.resize(pim::kMaxTextUnits);
  values_[field] = std::move(value);
  const size_t file_as = static_cast<size_t>(IndexOf(kFileAs));
  if (field == file_as) {
    // Clearing it hands it back to the name.
    file_as_follows_ = values_[field].empty();
    if (file_as_follows_) values_[field] = ComputedFileAs();
  } else if (file_as_follows_ && IsNameField(kFields[field].id)) {
    values_[file_as] = ComputedFileAs();
  }
}

bool ContactForm::Changed() const {
  return values_ != original_;
}

bool ContactForm::GroupHasValue(int group) const {
  for (size_t i = 0; i < kFields.size() && i < values_.size(); ++i) {
    if (kFields[i].group == group && !values_[i].empty()) return true;
  }
  return false;
}

FormSaveResult ContactForm::Save(pim::PimItem& item) const {
  if (item.Oid() != 0) {
    std::vector<pim::PropertyValue> probe;
    if (item.GetProps({pim::kPropObjectId}, &probe) == pim::PimResult::kNotFound) {
      return FormSaveResult::kGone;
    }
  } else if (std::all_of(values_.begin(), values_.end(), [](auto& v) { return v.empty(); })) {
    return FormSaveResult::kNothingToSave;
  }
  std::vector<pim::PropertyValue> changes;
  for (size_t i = 0; i < values_.size(); ++i) {
    if (values_[i] == original_[i]) continue;
    changes.push_back(values_[i].empty() ? pim::PropertyValue::NoValue(kFields[i].id)
                                         : pim::PropertyValue::Text(kFields[i].id, values_[i]));
  }
  if (item.Oid() != 0 && changes.empty()) return FormSaveResult::kNothingToSave;
  if (item.SetProps(changes) != pim::PimResult::kOk) return FormSaveResult::kFailed;
  switch (item.Save()) {
    case pim::PimResult::kOk:
      return FormSaveResult::kSaved;
    case pim::PimResult::kNotFound:
      return FormSaveResult::kGone;
    default:
      return FormSaveResult::kFailed;
  }
}

}  // namespace platform::pimapps
