// The contact-store properties the system knows, in the fixed order of a full read, with the
// formatting-expression keys that name them; the ten phone fields with their labels; the
// order in which expression keys are replaced; and the three address families.
//
// A property id is 32 bits: the property number in the high 16 bits, the value type in the
// low 16 bits (31 text, 102 record id, 11 boolean).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace contacts {

inline constexpr uint16_t kTypeText = 31;
inline constexpr uint16_t kTypeRecordId = 102;
inline constexpr uint16_t kTypeBoolean = 11;
// Flags of a value record for which the contact has no value.
inline constexpr uint16_t kFlagNoValue = 0x0100;

constexpr uint16_t PropertyType(uint32_t id) {
  return static_cast<uint16_t>(id & 0xFFFF);
}

struct ContactField {
  std::u16string_view key;         // expression key, empty for rows without one
  std::u16string_view second_key;  // a second key naming the same row, or empty
  uint32_t property_id;            // 0 for the favourite row, whose id is known at run time
};

inline constexpr int kContactFieldCount = 65;

// Rows the code refers to by position.
inline constexpr int kRowObjectId = 0;
inline constexpr int kRowFileAs = 1;
inline constexpr int kRowCompany = 11;
inline constexpr int kRowEmail1 = 17;
inline constexpr int kRowEmail2 = 18;
inline constexpr int kRowEmail3 = 19;
inline constexpr int kRowMobilePhone = 23;
inline constexpr int kRowAssistantPhone = 34;
inline constexpr int kRowCategories = 63;
inline constexpr int kRowFavorite = 64;

inline constexpr uint32_t kObjectIdProperty = 0x10000066;
inline constexpr uint32_t kMobilePhoneProperty = 0x0096001F;

// Name and flags under which the favourite property is asked for (boolean, create if missing).
inline constexpr std::u16string_view kFavoritePropertyName = u"is_favorite2";
inline constexpr uint32_t kFavoritePropertyFlags = 0x0061000B;

inline constexpr std::array<ContactField, kContactFieldCount> kContactFieldTable = {{
    {u"", u"", 0x10000066},
    {u"%fileas", u"", 0x0080001F},
    {u"%title", u"", 0x0081001F},
    {u"%firstname", u"", 0x0082001F},
    {u"%middlename", u"", 0x0083001F},
    {u"%name", u"%lastname", 0x0084001F},
    {u"%suffix", u"", 0x0085001F},
    {u"%nickname", u"", 0x0086001F},
    {u"%yomifirstname", u"", 0x0087001F},
    {u"%yomilastname", u"", 0x0088001F},
    {u"%yomicompany", u"", 0x0089001F},
    {u"%company", u"", 0x008A001F},
    {u"%department", u"", 0x008B001F},
    {u"%jobtitle", u"", 0x008C001F},
    {u"%manager", u"", 0x008D001F},
    {u"%officelocation", u"", 0x008E001F},
    {u"%assistantname", u"", 0x008F001F},
    {u"%email", u"", 0x0090001F},
    {u"%email2", u"", 0x0091001F},
    {u"%email3", u"", 0x0092001F},
    {u"%im", u"", 0x0093001F},
    {u"%im2", u"", 0x0094001F},
    {u"%im3", u"", 0x0095001F},
    {u"%mobilephone", u"", 0x0096001F},
    {u"%businessphone", u"", 0x0097001F},
    {u"%businessphone2", u"", 0x0098001F},
    {u"%homephone", u"", 0x0099001F},
    {u"%homephone2", u"", 0x009A001F},
    {u"%businessfax", u"", 0x009B001F},
    {u"%homefax", u"", 0x009C001F},
    {u"%pager", u"", 0x009D001F},
    {u"%carphone", u"", 0x009E001F},
    {u"%radiophone", u"", 0x009F001F},
    {u"%companyphone", u"", 0x00A0001F},
    {u"%assistantphone", u"", 0x00A1001F},
    {u"%sms", u"", 0x10A2001F},
    {u"%mms", u"", 0x10A3001F},
    {u"%displayname", u"", 0x10A4001F},
    {u"%spouse", u"", 0x00A5001F},
    {u"%children", u"", 0x00A6001F},
    {u"%webpage", u"", 0x00A7001F},
    {u"%ringtone", u"", 0x00A8001F},
    {u"%customerid", u"", 0x00A9001F},
    {u"%governmentid", u"", 0x00AA001F},
    {u"%accountname", u"", 0x00AB001F},
    {u"%business_address", u"", 0x10C0001F},
    {u"%business_address_street", u"", 0x00C1001F},
    {u"%business_address_city", u"", 0x00C2001F},
    {u"%business_address_state", u"", 0x00C3001F},
    {u"%business_address_postalcode", u"", 0x00C4001F},
    {u"%business_address_country", u"", 0x00C5001F},
    {u"%homeaddress", u"", 0x10D0001F},
    {u"%homeaddressstreet", u"", 0x00D1001F},
    {u"%homeaddresscity", u"", 0x00D2001F},
    {u"%homeaddressstate", u"", 0x00D3001F},
    {u"%homeaddresspostalcode", u"", 0x00D4001F},
    {u"%homeaddresscountry", u"", 0x00D5001F},
    {u"%other_address", u"", 0x10E0001F},
    {u"%other_address_street", u"", 0x00E1001F},
    {u"%other_address_city", u"", 0x00E2001F},
    {u"%other_address_state", u"", 0x00E3001F},
    {u"%other_address_postalcode", u"", 0x00E4001F},
    {u"%other_address_country", u"", 0x00E5001F},
    {u"%categories", u"", 0x101D001F},
    {u"", u"", 0},
}};

// The ten fields that make phone entries, in priority order (the two fax fields never do).
struct PhoneField {
  int row;  // row of kContactFieldTable
  uint32_t property_id;
  std::u16string_view label_key;  // language text holding one "%s" for the number
  std::u16string_view default_label;
};

inline constexpr std::array<PhoneField, 10> kPhoneFields = {{
    {23, 0x0096001F, u"txt_MobileTelephoneNumber", u"Mobile - %s"},
    {24, 0x0097001F, u"txt_BusinessTelephoneNumber", u"Work - %s"},
    {25, 0x0098001F, u"txt_Business2TelephoneNumber", u"Work2 - %s"},
    {26, 0x0099001F, u"txt_HomeTelephoneNumber", u"Home - %s"},
    {27, 0x009A001F, u"txt_Home2TelephoneNumber", u"Home2 - %s"},
    {30, 0x009D001F, u"txt_PagerNumber", u"Pager - %s"},
    {31, 0x009E001F, u"txt_CarTelephoneNumber", u"Car - %s"},
    {32, 0x009F001F, u"txt_RadioNumber", u"Radio - %s"},
    {33, 0x00A0001F, u"txt_CompanyTelephoneNumber", u"Company - %s"},
    {34, 0x00A1001F, u"txt_AssistantTelephoneNumber", u"Asst. - %s"},
}};

// Expression keys in the order they are replaced. A key that begins with another key comes
// before it ("%email2" before "%email", the address parts before the whole address).
struct KeyReplacement {
  std::u16string_view key;
  int row;
};

inline constexpr std::array<KeyReplacement, 64> kReplacementOrder = {{
    {u"%fileas", 1},
    {u"%title", 2},
    {u"%firstname", 3},
    {u"%middlename", 4},
    {u"%name", 5},
    {u"%lastname", 5},
    {u"%suffix", 6},
    {u"%nickname", 7},
    {u"%yomifirstname", 8},
    {u"%yomilastname", 9},
    {u"%yomicompany", 10},
    {u"%companyphone", 33},
    {u"%company", 11},
    {u"%department", 12},
    {u"%jobtitle", 13},
    {u"%manager", 14},
    {u"%officelocation", 15},
    {u"%assistantname", 16},
    {u"%email2", 18},
    {u"%email3", 19},
    {u"%email", 17},
    {u"%im3", 22},
    {u"%im2", 21},
    {u"%im", 20},
    {u"%mobilephone", 23},
    {u"%businessphone2", 25},
    {u"%businessphone", 24},
    {u"%homephone2", 27},
    {u"%homephone", 26},
    {u"%businessfax", 28},
    {u"%homefax", 29},
    {u"%pager", 30},
    {u"%carphone", 31},
    {u"%radiophone", 32},
    {u"%assistantphone", 34},
    {u"%sms", 35},
    {u"%mms", 36},
    {u"%displayname", 37},
    {u"%spouse", 38},
    {u"%children", 39},
    {u"%webpage", 40},
    {u"%ringtone", 41},
    {u"%customerid", 42},
    {u"%governmentid", 43},
    {u"%accountname", 44},
    {u"%business_address_street", 46},
    {u"%business_address_city", 47},
    {u"%business_address_state", 48},
    {u"%business_address_postalcode", 49},
    {u"%business_address_country", 50},
    {u"%business_address", 45},
    {u"%homeaddressstreet", 52},
    {u"%homeaddresscity", 53},
    {u"%homeaddressstate", 54},
    {u"%homeaddresspostalcode", 55},
    {u"%homeaddresscountry", 56},
    {u"%homeaddress", 51},
    {u"%other_address_street", 58},
    {u"%other_address_city", 59},
    {u"%other_address_state", 60},
    {u"%other_address_postalcode", 61},
    {u"%other_address_country", 62},
    {u"%other_address", 57},
    {u"%categories", 63},
}};

// Address families: the row of the whole address; its parts follow it (street +1, city +2,
// state +3, postal code +4, country +5).
inline constexpr std::array<int, 3> kAddressFamilyRows = {45, 51, 57};  // business, home, other

// Keys shared by the three families, in replacement order, with their offset from the
// family's whole-address row.
struct SharedAddressKey {
  std::u16string_view key;
  int offset;
};

inline constexpr std::array<SharedAddressKey, 6> kSharedAddressKeys = {{
    {u"%addressstreet", 1},
    {u"%addresscity", 2},
    {u"%addressstate", 3},
    {u"%addresspostalcode", 4},
    {u"%addresscountry", 5},
    {u"%address", 0},
}};

inline constexpr int kAddressStreetOffset = 1;
inline constexpr int kAddressCityOffset = 2;

// The preferred number key, replaced after every field key.
inline constexpr std::u16string_view kPhoneKey = u"%phone";

}  // namespace contacts
