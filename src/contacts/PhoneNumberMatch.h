// Phone number forms and the rule by which an SMS address belongs to a contact.
//
// A number is reduced to its digits and "+" (StripNumber); its match key is the last eight
// characters of that (NumberMatchKey), so that an international form ("+49 171 2345678")
// and the national form ("0171 2345678") of the same number share a key.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "contacts/PhoneEntry.h"

class ContactListItem;

// Longest match key.
inline constexpr size_t kMaxMatchKeyLength = 8;

// The characters of `number` that are decimal digits or "+", in order.
std::u16string StripNumber(std::u16string_view number);

// StripNumber(number), cut to its last kMaxMatchKeyLength characters.
std::u16string NumberMatchKey(std::u16string_view number);

// Whether two match keys match: short keys (contact key under 7 or address key under 4
// characters) must be equal; longer ones match when equal or when one contains the other.
bool MatchKeysMatch(std::u16string_view contact_key, std::u16string_view address_key);

// Whether `address` is one of the numbers of `row`. An address whose key is empty never
// matches unless `allow_empty_address` is set (pseudo-contacts).
bool MatchesNumber(const ContactListItem& row, std::u16string_view address,
                   bool allow_empty_address);

// Whether a phone entry can receive SMS: it is the mobile number field, or its stripped
// number begins with one of the theme's sms_prefixes.
bool IsSmsNumber(const PhoneEntry& entry);

// The contact's first mobile number entry, else its first entry for which IsSmsNumber
// holds, else an empty number with field id 0.
PhoneEntry GetSmsNumber(const ContactListItem& row);
