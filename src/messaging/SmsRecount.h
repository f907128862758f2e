// The recount's core, shared by both recount forms, the start's recount and the benchmark:
// the Inbox summed up per sender address, then counted onto the contact rows with either the
// literal walk over the rows or the number index.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "mapi/MAPIEntry.h"
#include "platform/msgstore/Folder.h"

class ContactListItem;
class ContactSmartListControl;

// What the recount needs of one received SMS.
struct ReceivedSms {
  std::u16string address;
  std::u16string sender_name;
  bool read = false;
  bool has_time = false;  // false: the SMS counts as time 0
  FileTime time = 0;
};

enum class SmsMatching { kWalk, kIndexed };

// The Inbox summed up per sender address. This is all a recount needs: every SMS of one
// address lands on the same row (the first row matching it; rows a recount appends come after
// it), a pseudo-contact takes its name from the first SMS of its address, and pseudo-contacts
// are appended in the order of those first SMS. Rows may be added in any order: each carries
// its place in the Inbox's contents order.
class InboxSenders {
 public:
  using Place = platform::msgstore::ContentsPlace;
  struct Sender {
    std::u16string address;
    Place first;                // place of the address's first SMS
    std::u16string first_name;  // its sender name
    bool first_read = false;    // its read flag
    int32_t count = 0;
    int32_t unread = 0;
    std::optional<FileTime> newest;  // the latest time among its SMS, when times are counted
  };

  // `count_times` false: times are ignored (the row form leaves newest-SMS times alone).
  explicit InboxSenders(bool count_times) : count_times_(count_times) {}
  void Add(Place place, const std::u16string& address, const std::u16string& sender_name, bool read,
           bool has_time, FileTime time);
  // The senders in the order of their first SMS.
  std::vector<const Sender*> InOrder() const;
  size_t MessageCount() const { return messages_; }

 private:
  bool count_times_;
  size_t messages_ = 0;
  std::vector<Sender> senders_;
  std::unordered_map<std::u16string, size_t> by_address_;
};

// Under the list's lock: zeroes every contact row's pending counts, counts each sender's SMS
// on the first row matching its address (appending a pseudo-contact when none does), then
// moves the pending counts into the counts. Does not resort. True when a row's counts or
// the rows changed.
bool ApplyRecount(ContactSmartListControl& list, const InboxSenders& inbox, SmsMatching matching);
// The same from single SMS (tests, benchmark).
bool ApplyRecount(ContactSmartListControl& list, const std::vector<ReceivedSms>& messages,
                  SmsMatching matching);

// The first contact row of the master sequence matching `address` by the literal rule
// (pseudo-contacts also match addresses without digits). Call under the list's lock.
ContactListItem* FindContactForAddress(ContactSmartListControl& list, std::u16string_view address);
