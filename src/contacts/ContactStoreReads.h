// Reading contacts from the store into records: the bulk read of one position through the
// request list (the loading thread's read), and the full read of one item in field table
// order (the refill after a change).
#pragma once

#include <cstdint>

#include "contacts/ContactFillSettings.h"
#include "contacts/ContactListItem.h"
#include "contacts/PropertyRequestList.h"
#include "platform/pim/PimApplication.h"
#include "platform/pim/PimItem.h"
#include "platform/pim/PimItemCollection.h"

// Bulk read of the contact at `position` (1..count) and FillContact in the request-list
// layout. False when the read fails (the record is then untouched).
bool BulkReadContact(const platform::pim::PimItemCollection& items, int position,
                     const PropertyRequestList& list, const ContactFillSettings& settings,
                     ContactListItem& record);

// Full read of all 65 properties of `item` (the favourite row read as `favorite_id`) and
// FillContact in the table layout. False when the read fails.
bool FullReadContact(const platform::pim::PimItem& item, uint32_t favorite_id,
                     const ContactFillSettings& settings, ContactListItem& record);

// The favourite property's id, asked for by name and created when missing; 0 when the store
// refuses.
uint32_t AskFavoritePropertyId(platform::pim::PimApplication& app);
