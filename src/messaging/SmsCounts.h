// The per-contact counts of received SMS kept on the contact list's rows, and the
// pseudo-contacts for senders who are not contacts.
//
// Counts change only under the contact list's lock. Only the Inbox is counted.
#pragma once

class CMAPIMessage;
class ContactSmartListControl;

// Attributes one received SMS to the first contact row (in list order) matching its sender,
// or appends a pseudo-contact for the sender. Live (recount false): the row's SMS and unread
// counts go up; recount: its pending counts. The row's newest-SMS time follows the message's.
void AddSmsToContacts(ContactSmartListControl& list, CMAPIMessage& message, bool recount);

// Recounts every contact row's SMS and unread counts from the Inbox, opening each message.
// Rows that are not contact rows keep their counts. Ends with a resort and a repaint; call it
// on the UI thread.
void RecountSms(ContactSmartListControl& list);

// The same recount from the Inbox rows alone (sender column and read bit), without opening
// messages except to name a new pseudo-contact; newest-SMS times are left alone. Made for the
// unread-counter thread: it asks the list's window for a repaint by a posted message.
void RecountSmsFromRows(ContactSmartListControl& list);
