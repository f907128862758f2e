#include "platform/msgstore/StoreConnection.h"

#include <sqlite3.h>

#include <chrono>
#include <thread>

#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/msgstore/SmsState.h"

namespace platform::msgstore {

namespace {

constexpr int kSchemaVersion = 1;
constexpr int kBusyRetryMs = 10000;

constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS stores(
  id INTEGER PRIMARY KEY,
  display_name TEXT NOT NULL,
  sender_address TEXT,
  flags INTEGER,
  sms_account INTEGER NOT NULL DEFAULT 0,
  nonce BLOB NOT NULL);
CREATE TABLE IF NOT EXISTS folders(
  id INTEGER PRIMARY KEY,
  store_id INTEGER NOT NULL REFERENCES stores(id) ON DELETE CASCADE,
  special INTEGER NOT NULL,
  display_name TEXT NOT NULL,
  nonce BLOB NOT NULL,
  UNIQUE(store_id, special));
CREATE TABLE IF NOT EXISTS messages(
  id INTEGER PRIMARY KEY,
  folder_id INTEGER NOT NULL REFERENCES folders(id) ON DELETE CASCADE,
  filed_time INTEGER NOT NULL,
  sort_time INTEGER NOT NULL,
  nonce BLOB NOT NULL);
CREATE INDEX IF NOT EXISTS messages_by_folder ON messages(folder_id, sort_time, id);
CREATE TABLE IF NOT EXISTS props(
  message_id INTEGER NOT NULL REFERENCES messages(id) ON DELETE CASCADE,
  tag INTEGER NOT NULL,
  value,
  PRIMARY KEY(message_id, tag)) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS recipients(
  message_id INTEGER NOT NULL REFERENCES messages(id) ON DELETE CASCADE,
  row INTEGER NOT NULL,
  tag INTEGER NOT NULL,
  value,
  PRIMARY KEY(message_id, row, tag)) WITHOUT ROWID;
PRAGMA user_version = 1;
)sql";

constexpr const char16_t* kFolderNames[kSpecialFolderCount] = {u"Deleted Items", u"Drafts",
                                                               u"Inbox", u"Outbox", u"Sent Items"};

using SteadyClock = std::chrono::steady_clock;

}  // namespace

StoreConnection::StoreConnection(const std::string& path) : db_(path) {}

HRESULT StoreConnection::Open(std::shared_ptr<StoreConnection>& out) {
  out.reset();
  auto connection = std::make_shared<StoreConnection>(DeviceDir() + "/messages.db");
  if (!connection->db_.ok()) return MAPI_E_LOGON_FAILED;
  HRESULT hr = connection->EnsureSchema();
  if (!Failed(hr)) hr = connection->Provision();
  if (Failed(hr)) return hr;
  out = std::move(connection);
  return S_OK;
}

bool StoreConnection::LastErrorWasBusy() const {
  if (!db_.handle()) return false;
  int code = sqlite3_errcode(db_.handle()) & 0xFF;
  return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

HRESULT StoreConnection::Read(const std::function<HRESULT()>& body) {
  const auto deadline = SteadyClock::now() + std::chrono::milliseconds(kBusyRetryMs);
  for (;;) {
    HRESULT hr = MAPI_E_DISK_ERROR;
    if (db_.ExecCached("BEGIN")) {
      hr = body();
      bool busy = hr == MAPI_E_DISK_ERROR && LastErrorWasBusy();
      db_.ExecCached("COMMIT");
      if (!busy) return hr;
    } else if (!LastErrorWasBusy()) {
      return MAPI_E_DISK_ERROR;
    }
    if (SteadyClock::now() > deadline) return MAPI_E_BUSY;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

HRESULT StoreConnection::Write(const std::function<HRESULT()>& body) {
  HRESULT hr = S_OK;
  bool committed = db_.WriteTransaction([&] {
    pending_unread_delta_ = 0;  // a retried body starts over
    pending_inbox_change_ = false;
    hr = body();
    return !Failed(hr);
  });
  int delta = pending_unread_delta_;
  bool inbox_changed = pending_inbox_change_;
  pending_unread_delta_ = 0;
  pending_inbox_change_ = false;
  if (committed) {
    if (inbox_changed) BumpSmsInboxVersion();
    if (delta != 0) AdjustSmsUnreadCount(delta);
    return hr;
  }
  if (Failed(hr)) return hr;
  return LastErrorWasBusy() ? MAPI_E_BUSY : MAPI_E_DISK_ERROR;
}

HRESULT StoreConnection::EnsureSchema() {
  Statement version = db_.Prepare("PRAGMA user_version");
  if (!version.Step()) return LastErrorWasBusy() ? MAPI_E_BUSY : MAPI_E_CORRUPT_DATA;
  int64_t found = version.Int(0);
  version = Statement();
  if (found == kSchemaVersion) return S_OK;
  if (found > kSchemaVersion) return MAPI_E_NO_SUPPORT;  // written by a newer platform
  return Write([&]() -> HRESULT { return db_.Exec(kSchema) ? S_OK : MAPI_E_DISK_ERROR; });
}

HRESULT StoreConnection::Provision() {
  // The common case (stores exist) is settled by a plain read, so a logon does not take the
  // write lock.
  bool empty = false;
  HRESULT hr = Read([&]() -> HRESULT {
    Statement count = db_.Prepare("SELECT count(*) FROM stores");
    if (!count.Step()) return MAPI_E_DISK_ERROR;
    empty = count.Int(0) == 0;
    return S_OK;
  });
  if (Failed(hr) || !empty) return hr;
  bool created = false;
  hr = Write([&]() -> HRESULT {
    created = false;
    Statement count = db_.Prepare("SELECT count(*) FROM stores");
    if (!count.Step()) return MAPI_E_DISK_ERROR;
    if (count.Int(0) > 0) return S_OK;
    EntryId id;
    created = true;
    return InsertStore(*this, kSmsStoreName, nullptr, nullptr, true, id);
  });
  if (!Failed(hr) && created) WriteSmsAccountName(kSmsStoreName);
  return hr;
}

HRESULT InsertStore(StoreConnection& connection, std::u16string_view display_name,
                    const std::u16string* sender_address, const uint32_t* flags, bool sms_account,
                    EntryId& store_id) {
  Database& db = connection.db();
  Nonce nonce = MakeNonce();
  Statement store = db.Prepare(
      "INSERT INTO stores(display_name, sender_address, flags, sms_account, nonce) "
      "VALUES(?, ?, ?, ?, ?)");
  store.Bind(1, ToUtf8(display_name));
  if (sender_address) store.Bind(2, ToUtf8(*sender_address));
  if (flags) store.Bind(3, static_cast<int64_t>(*flags));
  store.Bind(4, int64_t{sms_account ? 1 : 0}).BindBlob(5, nonce.data(), nonce.size());
  if (!store.Run()) return MAPI_E_DISK_ERROR;
  store_id = EntryId{EntryKind::kStore, db.LastInsertRowId(), db.LastInsertRowId(), nonce};
  Statement folder =
      db.Prepare("INSERT INTO folders(store_id, special, display_name, nonce) VALUES(?, ?, ?, ?)");
  for (int special = 0; special < kSpecialFolderCount; ++special) {
    Nonce folder_nonce = MakeNonce();
    folder.Reset();
    folder.Bind(1, store_id.store_id).Bind(2, int64_t{special});
    folder.Bind(3, ToUtf8(kFolderNames[special]));
    folder.BindBlob(4, folder_nonce.data(), folder_nonce.size());
    if (!folder.Run()) return MAPI_E_DISK_ERROR;
  }
  return S_OK;
}

}  // namespace platform::msgstore
