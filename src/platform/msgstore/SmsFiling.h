// How the phone's SMS transport files messages in the store: a received SMS in the Inbox with
// its sender, a sent one in Sent Items (or queued in the Outbox) with its recipients, both as
// message class "IPM.SMStext" with the text as subject. Used by the device tool and the demo
// data; the program itself files through its own wrappers.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/msgstore/MapiDefs.h"

namespace platform::msgstore {

class Session;
class Folder;

struct SmsRecipient {
  std::u16string display_name;
  std::u16string address;
};

struct SmsRecord {
  int folder = 2;  // special folder index: 2 Inbox, 3 Outbox, 4 Sent Items, ...
  std::u16string text;
  std::u16string sender_name;            // received SMS; not written when empty
  std::u16string sender_address;         // received SMS
  std::vector<SmsRecipient> recipients;  // sent SMS
  FileTime time = 0;
  bool read = false;  // received SMS; sent ones are always read
};

// The first store whose name equals `name` without regard to case, then its special folder.
HRESULT OpenSpecialFolder(Session& session, std::u16string_view store_name, int special,
                          std::unique_ptr<Folder>& folder);

// Files one SMS in `folder` in one transaction; entry_id receives its entry id.
HRESULT FileSms(Folder& folder, const SmsRecord& record, std::vector<uint8_t>& entry_id);

// Files many SMS of `folder`'s store (each in the folder its record names) in one transaction.
HRESULT FileSmsBatch(Folder& folder, const std::vector<SmsRecord>& records);

// Takes one SMS from the network as the phone's SMS transport does: files it in the Inbox of
// the "SMS" store, hands it to the registered rule clients, and only then raises the unread
// count (a program told of the SMS by its rule client hears of it before the count moves).
// entry_id receives its entry id.
HRESULT ReceiveSms(const SmsRecord& record, std::vector<uint8_t>& entry_id);

// Deletes the message from whichever folder of whichever store holds it.
HRESULT DeleteAnywhere(Session& session, const std::vector<uint8_t>& entry_id);

}  // namespace platform::msgstore
