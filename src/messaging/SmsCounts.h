// The per-contact counts of received SMS kept on the contact list's rows, and the
// pseudo-contacts for senders who are not contacts.
//
// Counts change only under the contact list's lock. Only the Inbox is counted. Recounts run
// one at a time (each reads the Inbox and applies what it read as one step), so the last
// recount to start is the last to apply and the counts always end as the Inbox is.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

class CMAPIMessage;
class ContactSmartListControl;
class InboxSenders;

// Attributes one received SMS to the first contact row (in list order) matching its sender,
// or appends a pseudo-contact for the sender. Live (recount false): the row's SMS and unread
// counts go up; recount: its pending counts. The row's newest-SMS time follows the message's.
void AddSmsToContacts(ContactSmartListControl& list, CMAPIMessage& message, bool recount);

// Recounts every contact row's SMS and unread counts, and the newest-SMS times, from one pass
// over the Inbox rows (sender, read flag and times are columns of the row; no message is
// opened). Rows that are not contact rows keep their counts. When counts moved and the list
// shows the SMS or all-contacts filter, whose rows follow the counts, that filter is asked
// again (SmartListControl::RefreshFilter: title, scroll and selection stay). Ends with a
// resort and a posted repaint, so it may run on any thread.
void RecountSms(ContactSmartListControl& list);

// The same, leaving the newest-SMS times alone: the recount of the unread-counter thread.
void RecountSmsFromRows(ContactSmartListControl& list);

// The recount of the contact loader, which asks after each of its two phases. It reads the
// Inbox once and keeps what it read: while the Inbox version stays the same, a later call
// counts that summary onto the rows as they are then (a store phase that refilled or added
// contacts), without reading the Inbox again.
class LoaderSmsRecount {
 public:
  LoaderSmsRecount();
  ~LoaderSmsRecount();
  void Run(ContactSmartListControl& list);

 private:
  std::unique_ptr<InboxSenders> inbox_;
  std::optional<uint32_t> inbox_version_;
};
