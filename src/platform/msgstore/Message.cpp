#include "platform/msgstore/Message.h"

#include <new>

#include "platform/Clock.h"
#include "platform/msgstore/MessageRows.h"
#include "platform/msgstore/StoreConnection.h"
#include "platform/msgstore/Table.h"

namespace platform::msgstore {

namespace {

// A stored message that vanished (deleted by another session) reads as deleted.
HRESULT Deleted(HRESULT hr) {
  return hr == MAPI_E_NOT_FOUND ? MAPI_E_OBJECT_DELETED : hr;
}

std::unique_ptr<Table> MakeRecipientTable(Table::Loader loader) {
  return std::make_unique<Table>(std::move(loader),
                                 std::vector<uint32_t>{PR_ROWID, PR_DISPLAY_NAME, PR_EMAIL_ADDRESS,
                                                       PR_ADDRTYPE, PR_RECIPIENT_TYPE});
}

HRESULT CheckRecipients(const std::vector<PropRow>& rows) {
  if (rows.size() > kMaxRecipients) return MAPI_E_TOO_BIG;
  for (const PropRow& row : rows) {
    for (const PropValue& v : row) {
      if (v.tag == PR_ROWID) continue;
      HRESULT hr = CheckValues(std::span<const PropValue>(&v, 1));
      if (Failed(hr)) return hr;
    }
  }
  return S_OK;
}

}  // namespace

Message::Message(std::shared_ptr<StoreConnection> connection, EntryId id)
    : connection_(std::move(connection)), id_(id) {}

Message::Message(std::shared_ptr<StoreConnection> connection, int64_t store_id, int64_t folder_id)
    : connection_(std::move(connection)), folder_id_(folder_id) {
  id_.kind = EntryKind::kMessage;
  id_.store_id = store_id;
  id_.nonce = MakeNonce();
}

HRESULT Message::ReadAll(PropRow& values) {
  if (!IsStored()) {
    values.clear();
    for (const auto& [tag, value] : pending_) values.push_back(value);
    return S_OK;
  }
  return connection_->Read([&]() -> HRESULT {
    MessageRow row;
    HRESULT hr = LookupMessage(connection_->db(), id_, row);
    if (Failed(hr)) return Deleted(hr);
    hr = ReadMessageProps(connection_->db(), id_.object_id, values);
    if (!Failed(hr)) values.push_back(PropValue::Binary(PR_ENTRYID, id_.Encode()));
    return hr;
  });
}

HRESULT Message::GetProps(std::span<const uint32_t> tags, uint32_t /*flags*/, PropRow& values) {
  values.clear();
  PropRow all;
  HRESULT hr = ReadAll(all);
  if (Failed(hr)) return hr;
  return SelectProps(all, tags, values);
}

HRESULT Message::SetProps(std::span<const PropValue> values) {
  HRESULT hr = CheckValues(values);
  if (Failed(hr)) return hr;
  if (IsStored()) return SetStoredProps(values);
  for (const PropValue& v : values) pending_[v.tag] = v;
  return S_OK;
}

HRESULT Message::SetStoredProps(std::span<const PropValue> values) {
  return connection_->Write([&]() -> HRESULT {
    Database& db = connection_->db();
    MessageRow row;
    HRESULT hr = LookupMessage(db, id_, row);
    if (Failed(hr)) return Deleted(hr);
    bool unread_before = false;
    bool unread_after = false;
    if (Failed(CountsAsUnread(db, row, unread_before))) return MAPI_E_DISK_ERROR;
    hr = WriteMessageProps(db, row.id, values);
    if (Failed(hr)) return hr;
    if (Failed(CountsAsUnread(db, row, unread_after))) return MAPI_E_DISK_ERROR;
    connection_->AddUnreadDelta(static_cast<int>(unread_after) - static_cast<int>(unread_before));
    if (IsSmsInbox(row.folder)) connection_->MarkInboxChanged();
    return S_OK;
  });
}

HRESULT Message::SaveChanges(uint32_t /*flags*/) {
  if (!IsStored()) return FileNew();
  return connection_->Read([&]() -> HRESULT {
    MessageRow row;
    return Deleted(LookupMessage(connection_->db(), id_, row));
  });
}

// Files a new message: its row, properties and recipients in one transaction. The object
// becomes a stored message only after the commit, so a failed save can be retried.
HRESULT Message::FileNew() {
  int64_t new_id = 0;
  HRESULT hr = connection_->Write([&]() -> HRESULT {
    Database& db = connection_->db();
    MessageRow row;
    HRESULT found = LookupFolderById(db, folder_id_, row.folder);
    if (found == MAPI_E_NOT_FOUND) return MAPI_E_OBJECT_DELETED;
    if (Failed(found)) return found;
    if (row.folder.store_id != id_.store_id) return MAPI_E_OBJECT_DELETED;
    auto filed = static_cast<int64_t>(FileTimeFromUnixSeconds(Clock::UnixSeconds()));
    Statement insert = db.PrepareCached(
        "INSERT INTO messages(folder_id, filed_time, sort_time, nonce) VALUES(?, ?, ?, ?)");
    insert.Bind(1, folder_id_).Bind(2, filed).Bind(3, filed);
    insert.BindBlob(4, id_.nonce.data(), id_.nonce.size());
    if (!insert.Run()) return MAPI_E_DISK_ERROR;
    new_id = row.id = db.LastInsertRowId();
    PropRow values;
    for (const auto& [tag, value] : pending_) values.push_back(value);
    HRESULT written = WriteMessageProps(db, new_id, values);
    if (!Failed(written)) written = UpdateSortTime(db, new_id);
    if (!Failed(written)) written = WriteRecipients(db, new_id, MODRECIP_ADD, pending_recipients_);
    if (Failed(written)) return written;
    bool unread = false;
    if (Failed(CountsAsUnread(db, row, unread))) return MAPI_E_DISK_ERROR;
    if (unread) connection_->AddUnreadDelta(1);
    if (IsSmsInbox(row.folder)) connection_->MarkInboxChanged();
    return S_OK;
  });
  if (Failed(hr)) return hr;
  id_.object_id = new_id;
  pending_.clear();
  pending_recipients_.clear();
  return S_OK;
}

HRESULT Message::ModifyRecipients(uint32_t flags, const std::vector<PropRow>& rows) {
  if (flags != 0 && flags != MODRECIP_ADD) return MAPI_E_NO_SUPPORT;
  HRESULT hr = CheckRecipients(rows);
  if (Failed(hr)) return hr;
  if (!IsStored()) {
    if (flags == 0) pending_recipients_.clear();
    if (pending_recipients_.size() + rows.size() > kMaxRecipients) return MAPI_E_TOO_BIG;
    pending_recipients_.insert(pending_recipients_.end(), rows.begin(), rows.end());
    return S_OK;
  }
  return connection_->Write([&]() -> HRESULT {
    MessageRow row;
    HRESULT found = LookupMessage(connection_->db(), id_, row);
    if (Failed(found)) return Deleted(found);
    return WriteRecipients(connection_->db(), row.id, flags, rows);
  });
}

HRESULT Message::GetRecipientTable(uint32_t /*flags*/, std::unique_ptr<Table>& table) {
  if (!IsStored()) {
    std::vector<PropRow> rows = pending_recipients_;
    for (size_t i = 0; i < rows.size(); ++i) {
      std::erase_if(rows[i], [](const PropValue& v) { return v.tag == PR_ROWID; });
      rows[i].insert(rows[i].begin(), PropValue::Long(PR_ROWID, static_cast<uint32_t>(i)));
    }
    table = MakeRecipientTable([rows](std::span<const uint32_t>, std::vector<PropRow>& out) {
      out = rows;
      return S_OK;
    });
    return S_OK;
  }
  std::shared_ptr<StoreConnection> connection = connection_;
  EntryId id = id_;
  table =
      MakeRecipientTable([connection, id](std::span<const uint32_t>, std::vector<PropRow>& out) {
        return connection->Read([&]() -> HRESULT {
          MessageRow row;
          HRESULT hr = LookupMessage(connection->db(), id, row);
          if (Failed(hr)) return Deleted(hr);
          return ReadRecipients(connection->db(), id.object_id, out);
        });
      });
  return S_OK;
}

}  // namespace platform::msgstore
