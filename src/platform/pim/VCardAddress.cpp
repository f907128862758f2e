#include "platform/pim/VCardAddress.h"

namespace platform::pim {

namespace {

bool FamilyTaken(const VCardContact& contact, int family) {
  for (int part = 1; part <= 5; ++part) {
    if (!contact.Text(AddressPart(family, part)).empty()) return true;
  }
  return false;
}

}  // namespace

int AddressFamilyOf(const VCardLine& line) {
  if (line.HasType("work")) return kAddressBusiness;
  if (line.HasType("home")) return kAddressHome;
  if (line.HasType("other")) return kAddressOther;
  return -1;
}

int FreeAddressFamily(const VCardContact& contact, int preferred) {
  if (preferred >= 0 && !FamilyTaken(contact, preferred)) return preferred;
  for (int family : {kAddressOther, kAddressHome, kAddressBusiness}) {
    if (!FamilyTaken(contact, family)) return family;
  }
  return -1;
}

}  // namespace platform::pim
