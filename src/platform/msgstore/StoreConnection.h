// One connection to the device's message store (messages.db in the device profile), shared by
// a session and every store, folder, message and table object opened through it. Objects keep
// the connection alive with a shared_ptr, so a wrapper released after its session still finds
// it. A connection belongs to one thread, like the session that made it.
//
// Reads run in one snapshot and writes in BEGIN IMMEDIATE transactions; both are retried
// while another process holds the database, so "busy" never reaches a caller as a failure
// unless the other side holds it past the busy timeout.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/Sqlite.h"
#include "platform/msgstore/EntryId.h"
#include "platform/msgstore/MapiDefs.h"

namespace platform::msgstore {

// Special folder indices, in the order of their store properties.
inline constexpr int kFolderDeleted = 0;
inline constexpr int kFolderDrafts = 1;
inline constexpr int kFolderInbox = 2;
inline constexpr int kFolderOutbox = 3;
inline constexpr int kFolderSent = 4;
inline constexpr int kSpecialFolderCount = 5;

class StoreConnection {
 public:
  // Opens the store of the current device profile, creating the schema and, on a new device,
  // the "SMS" store with its five folders.
  static HRESULT Open(std::shared_ptr<StoreConnection>& out);

  explicit StoreConnection(const std::string& path);
  Database& db() { return db_; }

  // Runs body inside one read snapshot. body returns a result code; a database failure inside
  // it is reported by returning MAPI_E_DISK_ERROR. Retried while the database is busy.
  HRESULT Read(const std::function<HRESULT()>& body);
  // Runs body in a writing transaction (rolled back when body fails), retried while busy.
  // After a commit, the unread-count change that body recorded with AddUnreadDelta is
  // published to the registry.
  HRESULT Write(const std::function<HRESULT()>& body);
  void AddUnreadDelta(int delta) { pending_unread_delta_ += delta; }
  // The body changed the SMS account's Inbox: its version moves on after the commit.
  void MarkInboxChanged() { pending_inbox_change_ = true; }

  // True when the last failure of the database was "busy" or "locked".
  bool LastErrorWasBusy() const;

 private:
  HRESULT EnsureSchema();
  HRESULT Provision();

  Database db_;
  int pending_unread_delta_ = 0;
  bool pending_inbox_change_ = false;
};

// Creates a store with the five special folders inside a running write transaction.
// sms_account marks the store whose Inbox feeds the platform's unread SMS count.
HRESULT InsertStore(StoreConnection& connection, std::u16string_view display_name,
                    const std::u16string* sender_address, const uint32_t* flags, bool sms_account,
                    EntryId& store_id);

}  // namespace platform::msgstore
