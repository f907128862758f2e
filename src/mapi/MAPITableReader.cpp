#include "mapi/MAPITableReader.h"

using platform::msgstore::PropRow;
using platform::msgstore::PropValue;

CMAPIEntry MAPIEntryFromRow(const PropRow& row) {
  CMAPIEntry entry;
  for (const PropValue& value : row) {
    switch (value.tag) {
      case PR_DISPLAY_NAME:
        entry.name = value.str;
        break;
      case PR_ENTRYID:
        entry.entry_id = value.bin;
        break;
      case PR_SENDER_EMAIL_ADDRESS:
        entry.address = value.str;
        break;
      case PR_MESSAGE_FLAGS:
        entry.flags = value.ul;
        break;
      default:
        break;  // error values and other columns
    }
  }
  return entry;
}

bool MAPIReadTable(platform::msgstore::Table& table, std::vector<CMAPIEntry>& entries) {
  static constexpr uint32_t kColumns[] = {PR_DISPLAY_NAME, PR_ENTRYID, PR_SENDER_EMAIL_ADDRESS,
                                          PR_MESSAGE_FLAGS};
  table.SetColumns(kColumns, 0);
  entries.clear();
  std::vector<PropRow> rows;
  while (!platform::msgstore::Failed(table.QueryRows(1, 0, rows)) && rows.size() == 1) {
    entries.push_back(MAPIEntryFromRow(rows[0]));
  }
  return true;
}
