// The three address families of a contact (business, home, other) and their six properties:
// the whole address, then street, city, state, postal code and country.
#pragma once

#include "platform/pim/PimTypes.h"
#include "platform/pim/VCardContact.h"
#include "platform/pim/VCardLine.h"

namespace platform::pim {

inline constexpr int kAddressBusiness = 0;
inline constexpr int kAddressHome = 1;
inline constexpr int kAddressOther = 2;

// part 0 is the whole address, 1..5 street, city, state, postal code, country.
constexpr PropertyId AddressPart(int family, int part) {
  if (part == 0) return (static_cast<PropertyId>(0x10C0 + 0x10 * family) << 16) | kTypeText;
  return (static_cast<PropertyId>(0xC0 + 0x10 * family + part) << 16) | kTypeText;
}

// The family a line's TYPE names (WORK, HOME, OTHER), or -1 when it names none.
int AddressFamilyOf(const VCardLine& line);

// `preferred` when its street..country are all empty, else the first such family of other,
// home, business; -1 when all three are taken.
int FreeAddressFamily(const VCardContact& contact, int preferred);

}  // namespace platform::pim
