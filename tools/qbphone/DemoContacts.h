// The demo address book of "qbphone seed-demo": a deterministic, realistic set of contacts
// (accented, apostrophised and hyphenated names, companies, addresses in the three families,
// categories, every phone kind, favourites, small pictures), the same for the same count and
// seed on every machine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/pim/VCardContact.h"

namespace qbphone {

inline constexpr int kDefaultDemoContacts = 200;
inline constexpr int kMaxDemoContacts = 100000;

// The contacts of a demo book of `count` contacts made from `seed`.
std::vector<platform::pim::VCardContact> MakeDemoContacts(int count, uint64_t seed);

// Every phone number (phone and fax fields, as stored) of that demo book, in contact order,
// for seeding conversations with them. Numbers are unique in their last 8 digits.
std::vector<std::string> DemoPhoneNumbers(int count, uint64_t seed);

}  // namespace qbphone
