// Moves contacts between the store and their vCard form: every text property, the favourite
// flag, the picture and the card's UID (kept in the named text property "vcard_uid").
#pragma once

#include "platform/pim/PimTypes.h"
#include "platform/pim/VCardContact.h"

namespace platform::pim {

class PimApplication;

inline constexpr char16_t kVCardUidPropertyName[] = u"vcard_uid";

// Reads the contact `oid` into *out.
PimResult LoadVCardContact(PimApplication& app, ObjectId oid, VCardContact* out);

// Creates a new contact from `contact`; *oid receives its object id. The picture is stored
// after the contact (a refused picture leaves the contact without one and returns its result).
PimResult SaveVCardContact(PimApplication& app, const VCardContact& contact, ObjectId* oid);

}  // namespace platform::pim
