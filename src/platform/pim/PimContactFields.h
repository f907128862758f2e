// The contact properties the store knows by name: the 64 text properties of a contact with
// their field keys (the expression keys without "%"; "name" and "lastname" both name the last
// name), in the order of the contact field table, then the note. Tools address fields by these
// keys.
#pragma once

#include <array>
#include <string_view>

#include "platform/pim/PimTypes.h"

namespace platform::pim {

struct ContactTextField {
  std::string_view key;
  PropertyId id;
};

inline constexpr std::array<ContactTextField, 64> kContactTextFields = {{
    {"fileas", 0x0080001F},
    {"title", 0x0081001F},
    {"firstname", 0x0082001F},
    {"middlename", 0x0083001F},
    {"lastname", 0x0084001F},
    {"suffix", 0x0085001F},
    {"nickname", 0x0086001F},
    {"yomifirstname", 0x0087001F},
    {"yomilastname", 0x0088001F},
    {"yomicompany", 0x0089001F},
    {"company", 0x008A001F},
    {"department", 0x008B001F},
    {"jobtitle", 0x008C001F},
    {"manager", 0x008D001F},
    {"officelocation", 0x008E001F},
    {"assistantname", 0x008F001F},
    {"email", 0x0090001F},
    {"email2", 0x0091001F},
    {"email3", 0x0092001F},
    {"im", 0x0093001F},
    {"im2", 0x0094001F},
    {"im3", 0x0095001F},
    {"mobilephone", 0x0096001F},
    {"businessphone", 0x0097001F},
    {"businessphone2", 0x0098001F},
    {"homephone", 0x0099001F},
    {"homephone2", 0x009A001F},
    {"businessfax", 0x009B001F},
    {"homefax", 0x009C001F},
    {"pager", 0x009D001F},
    {"carphone", 0x009E001F},
    {"radiophone", 0x009F001F},
    {"companyphone", 0x00A0001F},
    {"assistantphone", 0x00A1001F},
    {"sms", 0x10A2001F},
    {"mms", 0x10A3001F},
    {"displayname", 0x10A4001F},
    {"spouse", 0x00A5001F},
    {"children", 0x00A6001F},
    {"webpage", 0x00A7001F},
    {"ringtone", 0x00A8001F},
    {"customerid", 0x00A9001F},
    {"governmentid", 0x00AA001F},
    {"accountname", 0x00AB001F},
    {"business_address", 0x10C0001F},
    {"business_address_street", 0x00C1001F},
    {"business_address_city", 0x00C2001F},
    {"business_address_state", 0x00C3001F},
    {"business_address_postalcode", 0x00C4001F},
    {"business_address_country", 0x00C5001F},
    {"homeaddress", 0x10D0001F},
    {"homeaddressstreet", 0x00D1001F},
    {"homeaddresscity", 0x00D2001F},
    {"homeaddressstate", 0x00D3001F},
    {"homeaddresspostalcode", 0x00D4001F},
    {"homeaddresscountry", 0x00D5001F},
    {"other_address", 0x10E0001F},
    {"other_address_street", 0x00E1001F},
    {"other_address_city", 0x00E2001F},
    {"other_address_state", 0x00E3001F},
    {"other_address_postalcode", 0x00E4001F},
    {"other_address_country", 0x00E5001F},
    {"categories", 0x101D001F},
    {"note", 0x0017001F},
}};

// Named ids used by the vCard mapping and the tools.
namespace prop {
inline constexpr PropertyId kFileAs = 0x0080001F;
inline constexpr PropertyId kTitle = 0x0081001F;
inline constexpr PropertyId kFirstName = 0x0082001F;
inline constexpr PropertyId kMiddleName = 0x0083001F;
inline constexpr PropertyId kLastName = 0x0084001F;
inline constexpr PropertyId kSuffix = 0x0085001F;
inline constexpr PropertyId kNickname = 0x0086001F;
inline constexpr PropertyId kYomiFirstName = 0x0087001F;
inline constexpr PropertyId kYomiLastName = 0x0088001F;
inline constexpr PropertyId kYomiCompany = 0x0089001F;
inline constexpr PropertyId kCompany = 0x008A001F;
inline constexpr PropertyId kDepartment = 0x008B001F;
inline constexpr PropertyId kJobTitle = 0x008C001F;
inline constexpr PropertyId kManager = 0x008D001F;
inline constexpr PropertyId kOfficeLocation = 0x008E001F;
inline constexpr PropertyId kAssistantName = 0x008F001F;
inline constexpr PropertyId kEmail1 = 0x0090001F;
inline constexpr PropertyId kIm1 = 0x0093001F;
inline constexpr PropertyId kMobilePhone = 0x0096001F;
inline constexpr PropertyId kBusinessPhone = 0x0097001F;
inline constexpr PropertyId kBusinessPhone2 = 0x0098001F;
inline constexpr PropertyId kHomePhone = 0x0099001F;
inline constexpr PropertyId kHomePhone2 = 0x009A001F;
inline constexpr PropertyId kBusinessFax = 0x009B001F;
inline constexpr PropertyId kHomeFax = 0x009C001F;
inline constexpr PropertyId kPager = 0x009D001F;
inline constexpr PropertyId kCarPhone = 0x009E001F;
inline constexpr PropertyId kRadioPhone = 0x009F001F;
inline constexpr PropertyId kCompanyPhone = 0x00A0001F;
inline constexpr PropertyId kAssistantPhone = 0x00A1001F;
inline constexpr PropertyId kSms = 0x10A2001F;
inline constexpr PropertyId kMms = 0x10A3001F;
inline constexpr PropertyId kDisplayName = 0x10A4001F;
inline constexpr PropertyId kSpouse = 0x00A5001F;
inline constexpr PropertyId kChildren = 0x00A6001F;
inline constexpr PropertyId kWebPage = 0x00A7001F;
inline constexpr PropertyId kRingtone = 0x00A8001F;
inline constexpr PropertyId kCustomerId = 0x00A9001F;
inline constexpr PropertyId kGovernmentId = 0x00AA001F;
inline constexpr PropertyId kAccountName = 0x00AB001F;
// Address families: whole address, then street, city, state, postal code, country.
inline constexpr PropertyId kBusinessAddress = 0x10C0001F;
inline constexpr PropertyId kHomeAddress = 0x10D0001F;
inline constexpr PropertyId kOtherAddress = 0x10E0001F;
inline constexpr PropertyId kCategories = 0x101D001F;
// The free text of the contact (several lines), edited on the detail screen.
inline constexpr PropertyId kNote = 0x0017001F;
}  // namespace prop

// The id of a field key (case-insensitive; "name" is the last name), or 0.
PropertyId FindContactField(std::string_view key);
// The key of a text property id, or an empty view.
std::string_view ContactFieldKey(PropertyId id);

}  // namespace platform::pim
