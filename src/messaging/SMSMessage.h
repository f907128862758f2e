// One SMS of a conversation, as a row of the SMS screen's list: its text, direction, read
// state, time and the store row it came from, and the contact whose counts it affects.
//
// Items built from the store keep the store row (entry) to reopen the message later; items
// made locally for a message being sent have an empty entry. The list that holds an item
// owns it; deleting the item does not touch the store (DeleteFromStore does).
#pragma once

#include <cstdint>
#include <string>

#include "mapi/MAPIEntry.h"
#include "toolkit/IListItem.h"

class CMAPIMessage;
class ContactListItem;

class SMSMessage : public IListItem {
 public:
  // A local item (an SMS being sent): empty text, read, no owner, time 0. The sender fills
  // text, outgoing, send_failed and time.
  SMSMessage();
  // An item for a stored SMS: text, time (0 when unreadable) and read state from `message`,
  // the store row from `entry`.
  SMSMessage(ContactListItem* owner, CMAPIMessage& message, const CMAPIEntry& entry, bool outgoing);

  // The bubble's height for a list spanning `row` horizontally: the word-wrapped text (read or
  // unread font), one date line and the frame. Makes the date text when it is still empty.
  void Measure(platform::Surface& surface, const RECT& row) override;
  // The bubble: a rounded frame (thicker while selected), the text and the date below it,
  // left-aligned for a received SMS, right-aligned for a sent one.
  bool Draw(platform::Surface& surface, const RECT& row, bool selected) override;
  // A tap on the bubble: the SMS menu of the screen that shows `list`.
  void OnClick(SmartListControl& list) override;
  // The date text, made from the time on first use.
  const std::u16string& EnsureDateText();
  // The first character of the text, or a space.
  char16_t GetIndexChar() const override;

  // The date text: "<nodate>" for a time whose high half is 0, else the local short date and
  // time of the system locale.
  static std::u16string FormatTime(FileTime time);

  std::u16string text;
  bool outgoing = false;
  bool read = true;
  bool send_failed = false;
  // A send still waiting for the modem's answer (see SMSPanel::Send); it becomes the sent SMS
  // or the failure item when the answer comes.
  bool sending = false;
  // For the item of a failed send: the text that did not go, which a resend puts back.
  std::u16string unsent_text;
  // The contact whose conversation holds this SMS; not owned, none for local items.
  ContactListItem* owner = nullptr;
  FileTime time = 0;
  std::u16string date_text;
  CMAPIEntry entry;
};

// Changes the read state of a stored SMS: opens it by its entry, sets the flag on the item
// and in the store and keeps its owner's unread count in step (never below 0), then resorts
// the contact list. The platform's unread counter follows the store by itself. Returns false,
// changing nothing, when the state is already `read` or the message cannot be opened.
bool SetRead(SMSMessage& sms, bool read);

// Deletes a stored SMS from its folder (Sent items or, while still queued, the Outbox for an
// outgoing SMS; the Inbox for a received one). An unread SMS is marked read first so that the
// counts go down; a received SMS's owner loses one from its SMS count (never below 0).
// Returns whether the message was deleted.
bool DeleteFromStore(SMSMessage& sms);

// Whether an entry id may be handed to the store: present and within the store's bound.
bool IsUsableEntryId(const CMAPIEntry& entry);

// Whether `list` holds a received SMS item for the stored message `entry` (same entry id).
// The caller holds the list's lock.
bool HoldsReceivedSms(SmartListControl& list, const CMAPIEntry& entry);
