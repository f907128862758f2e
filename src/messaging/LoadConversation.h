// Gathers the conversation with one contact from the SMS store's Outbox, Inbox and Sent
// items into a list of SMSMessage items.
#pragma once

class ContactListItem;
class SmartListControl;

// How far a conversation load has come, and the way to stop it.
class ConversationProgress {
 public:
  virtual ~ConversationProgress() = default;
  // Before the first row: the number of rows that will be looked at; the position is 0. Called
  // again with a larger total when more rows are read during the load.
  virtual void Start(int total) = 0;
  // After each row walked (position = rows walked before it; rows the read passed over
  // because they cannot belong to the contact are not walked), and once more with the total
  // at the end of a load that was not stopped. Returning -1 stops the load.
  virtual int Report(int position) = 0;
};

// Most items the Outbox and Inbox add to (and the Sent items fill) the list up to.
inline constexpr int kConversationReceivedLimit = 50;
inline constexpr int kConversationSentLimit = 100;

// Appends the contact's SMS to `list` (under the list's lock): queued ones from the Outbox
// (first to last), received ones from the Inbox (newest first) while the list holds fewer than
// 50 items, then sent ones from Sent items (newest first) while it holds fewer than 100; one
// item per matching recipient. `progress` may be null. A store step that fails ends the load
// with what was added so far.
void LoadConversation(ContactListItem& contact, SmartListControl& list,
                      ConversationProgress* progress);

// Deletes every SMS exchanged with the contact from the store, however many there are:
// received ones from the Inbox, queued and sent ones to any of its numbers from the Outbox and
// Sent items. The contact's counts follow. Returns how many were deleted.
int DeleteConversationFromStore(ContactListItem& contact);
