// Filling a contact record from the property values read from the store, in either layout:
// a bulk read through the PropertyRequestList, or a full read in field table order.
//
// Every field is set except the picture and the SMS counters. A bulk read of a contact that
// is not shown (no number while the theme hides such contacts) stops after the phone list
// and the shown flag: its other fields keep their previous values.
#pragma once

#include "contacts/ContactFillSettings.h"
#include "contacts/ContactListItem.h"
#include "contacts/ContactValues.h"

void FillContact(ContactListItem& record, const ContactValues& values,
                 const ContactFillSettings& settings);

// The phone list of a contact: each present phone field, taken in priority order and put at
// the front, so that the highest-priority number ends up last.
std::vector<PhoneEntry> ReadPhoneList(const ContactValues& values);
