// Rows of the message store's tables and the property reads and writes on them. Internal to
// the store; every function runs inside a transaction of StoreConnection and returns
// MAPI_E_DISK_ERROR when SQLite fails, MAPI_E_NOT_FOUND when the named row is gone.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/Sqlite.h"
#include "platform/msgstore/EntryId.h"
#include "platform/msgstore/PropValue.h"

namespace platform::msgstore {

struct StoreRow {
  int64_t id = 0;
  Nonce nonce{};
  bool sms_account = false;
};

struct FolderRow {
  int64_t id = 0;
  int64_t store_id = 0;
  int special = 0;
  Nonce nonce{};
  bool sms_account = false;  // of its store
};

struct MessageRow {
  int64_t id = 0;
  FolderRow folder;
  Nonce nonce{};
};

HRESULT LookupStore(Database& db, const EntryId& id, StoreRow& row);
HRESULT LookupFolder(Database& db, const EntryId& id, FolderRow& row);
HRESULT LookupFolderById(Database& db, int64_t folder_id, FolderRow& row);
HRESULT LookupSpecialFolder(Database& db, int64_t store_id, int special, FolderRow& row);
HRESULT LookupMessage(Database& db, const EntryId& id, MessageRow& row);

// Checks values before they are stored: known types, bounded sizes, no computed tags.
HRESULT CheckValues(std::span<const PropValue> values);

// Every stored property of a message.
HRESULT ReadMessageProps(Database& db, int64_t message_id, PropRow& values);
HRESULT WriteMessageProps(Database& db, int64_t message_id, std::span<const PropValue> values);
// Keeps the contents order (delivery time, else creation time, else filing time) in step.
HRESULT UpdateSortTime(Database& db, int64_t message_id);
// Whether the message counts towards the unread SMS count: in the Inbox of the SMS account
// store and without the read bit (a message without flags is unread).
HRESULT CountsAsUnread(Database& db, const MessageRow& row, bool& unread);
// Whether the folder is the Inbox of the SMS account store (whose changes the platform's SMS
// state follows).
inline bool IsSmsInbox(const FolderRow& folder) {
  return folder.sms_account && folder.special == 2;
}

HRESULT ReadRecipients(Database& db, int64_t message_id, std::vector<PropRow>& rows);
// MODRECIP_ADD appends rows; flags 0 replaces every recipient.
HRESULT WriteRecipients(Database& db, int64_t message_id, uint32_t flags,
                        const std::vector<PropRow>& rows);

// A value read back from a column, typed by its tag.
PropValue ValueFromColumn(const Statement& statement, int column, uint32_t tag);
void BindValue(Statement& statement, int index, const PropValue& value);
Nonce NonceFromBlob(const std::string& blob);

}  // namespace platform::msgstore
