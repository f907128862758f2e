// Reads a stores or contents table into entries: columns PR_DISPLAY_NAME, PR_ENTRYID,
// PR_SENDER_EMAIL_ADDRESS and PR_MESSAGE_FLAGS, one row at a time, stopping quietly at the
// first failure. Returns true once the table was there, even if rows stopped early.
#pragma once

#include <vector>

#include "mapi/MAPIEntry.h"
#include "platform/msgstore/Table.h"

// One row of those columns (in any order; others are passed over) as an entry.
CMAPIEntry MAPIEntryFromRow(const platform::msgstore::PropRow& row);

bool MAPIReadTable(platform::msgstore::Table& table, std::vector<CMAPIEntry>& entries);
