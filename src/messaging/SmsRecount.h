// The recount's core over SMS already read from the store, shared by both recount forms and
// by the benchmark, with the choice of the literal walk over the rows or the number index.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "mapi/MAPIEntry.h"

class ContactListItem;
class ContactSmartListControl;

// What the recount needs of one received SMS.
struct ReceivedSms {
  std::u16string address;
  std::u16string sender_name;
  bool read = false;
  bool has_time = false;  // false: the newest-SMS times are not touched
  FileTime time = 0;
  CMAPIEntry entry;  // the Inbox row (the row form names new pseudo-contacts through it)
};

enum class SmsMatching { kWalk, kIndexed };

// Gives the sender name of an SMS whose sender is no contact; false: skip that SMS.
using SenderNameSource = std::function<bool(const ReceivedSms&, std::u16string& name)>;

// Under the list's lock: zeroes every contact row's pending counts, counts each SMS on its
// first matching row (appending pseudo-contacts as needed; `name_of` null uses
// sender_name), then moves the pending counts into the counts. Does not resort.
void ApplyRecount(ContactSmartListControl& list, const std::vector<ReceivedSms>& messages,
                  SmsMatching matching, const SenderNameSource& name_of);

// The first contact row of the master sequence matching `address` by the literal rule
// (pseudo-contacts also match addresses without digits). Call under the list's lock.
ContactListItem* FindContactForAddress(ContactSmartListControl& list, std::u16string_view address);
