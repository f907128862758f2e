#include "platform/msgstore/MessageRows.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/Text.h"

namespace platform::msgstore {

namespace {

bool NonceEquals(const std::string& blob, const Nonce& nonce) {
  return blob.size() == nonce.size() && std::memcmp(blob.data(), nonce.data(), nonce.size()) == 0;
}

bool IsTimeTag(uint32_t tag) {
  return tag == PR_MESSAGE_DELIVERY_TIME || tag == PR_CREATION_TIME;
}

// A failed step is a database failure; a finished one means the row does not exist.
HRESULT NoRow(const Statement& statement) {
  return statement.failed() ? MAPI_E_DISK_ERROR : MAPI_E_NOT_FOUND;
}

HRESULT FillFolder(Statement& statement, FolderRow& row) {
  if (!statement.Step()) return NoRow(statement);
  row.id = statement.Int(0);
  row.store_id = statement.Int(1);
  row.special = static_cast<int>(statement.Int(2));
  row.nonce = NonceFromBlob(statement.Blob(3));
  row.sms_account = statement.Int(4) != 0;
  return S_OK;
}

// The folder columns FillFolder reads, with the folder's store's SMS-account mark.
constexpr const char kFolderById[] =
    "SELECT f.id, f.store_id, f.special, f.nonce, s.sms_account FROM folders f "
    "JOIN stores s ON s.id = f.store_id WHERE f.id = ?";
constexpr const char kSpecialFolder[] =
    "SELECT f.id, f.store_id, f.special, f.nonce, s.sms_account FROM folders f "
    "JOIN stores s ON s.id = f.store_id WHERE f.store_id = ? AND f.special = ?";

}  // namespace

Nonce NonceFromBlob(const std::string& blob) {
  Nonce nonce{};
  std::memcpy(nonce.data(), blob.data(), std::min(blob.size(), nonce.size()));
  return nonce;
}

HRESULT LookupStore(Database& db, const EntryId& id, StoreRow& row) {
  if (id.kind != EntryKind::kStore || id.object_id != id.store_id) return MAPI_E_INVALID_ENTRYID;
  Statement s = db.PrepareCached("SELECT nonce, sms_account FROM stores WHERE id = ?");
  s.Bind(1, id.store_id);
  if (!s.Step()) return NoRow(s);
  if (!NonceEquals(s.Blob(0), id.nonce)) return MAPI_E_NOT_FOUND;
  row = StoreRow{id.store_id, id.nonce, s.Int(1) != 0};
  return S_OK;
}

HRESULT LookupFolder(Database& db, const EntryId& id, FolderRow& row) {
  if (id.kind != EntryKind::kFolder) return MAPI_E_INVALID_ENTRYID;
  FolderRow found;
  HRESULT hr = LookupFolderById(db, id.object_id, found);
  if (Failed(hr)) return hr;
  if (found.store_id != id.store_id || found.nonce != id.nonce) return MAPI_E_NOT_FOUND;
  row = found;
  return S_OK;
}

HRESULT LookupFolderById(Database& db, int64_t folder_id, FolderRow& row) {
  Statement s = db.PrepareCached(kFolderById);
  s.Bind(1, folder_id);
  return FillFolder(s, row);
}

HRESULT LookupSpecialFolder(Database& db, int64_t store_id, int special, FolderRow& row) {
  Statement s = db.PrepareCached(kSpecialFolder);
  s.Bind(1, store_id).Bind(2, int64_t{special});
  return FillFolder(s, row);
}

HRESULT LookupMessage(Database& db, const EntryId& id, MessageRow& row) {
  if (id.kind != EntryKind::kMessage) return MAPI_E_INVALID_ENTRYID;
  Statement s = db.PrepareCached("SELECT folder_id, nonce FROM messages WHERE id = ?");
  s.Bind(1, id.object_id);
  if (!s.Step()) return NoRow(s);
  if (!NonceEquals(s.Blob(1), id.nonce)) return MAPI_E_NOT_FOUND;
  MessageRow found;
  found.id = id.object_id;
  found.nonce = id.nonce;
  HRESULT hr = LookupFolderById(db, s.Int(0), found.folder);
  if (Failed(hr)) return hr;
  if (found.folder.store_id != id.store_id) return MAPI_E_NOT_FOUND;
  row = found;
  return S_OK;
}

HRESULT CheckValues(std::span<const PropValue> values) {
  for (const PropValue& v : values) {
    switch (v.type()) {
      case PT_LONG:
      case PT_SYSTIME:
        break;
      case PT_UNICODE:
        if (v.str.size() * 2 > kMaxPropertyBytes) return MAPI_E_TOO_BIG;
        break;
      case PT_BINARY:
        if (v.bin.size() > kMaxPropertyBytes) return MAPI_E_TOO_BIG;
        break;
      default:
        return MAPI_E_INVALID_PARAMETER;
    }
    if (v.tag == PR_ENTRYID || v.tag == PR_ROWID) return MAPI_E_NO_ACCESS;
  }
  return S_OK;
}

PropValue ValueFromColumn(const Statement& statement, int column, uint32_t tag) {
  switch (PROP_TYPE(tag)) {
    case PT_LONG:
      return PropValue::Long(tag, static_cast<uint32_t>(statement.Int(column)));
    case PT_SYSTIME:
      return PropValue::Time(tag, static_cast<FileTime>(statement.Int(column)));
    case PT_UNICODE:
      return PropValue::String(tag, FromUtf8(statement.Text(column)));
    case PT_BINARY: {
      std::string blob = statement.Blob(column);
      return PropValue::Binary(tag, std::vector<uint8_t>(blob.begin(), blob.end()));
    }
    default:
      return PropValue::Error(tag, MAPI_E_CORRUPT_DATA);
  }
}

void BindValue(Statement& statement, int index, const PropValue& value) {
  switch (value.type()) {
    case PT_LONG:
      statement.Bind(index, static_cast<int64_t>(value.ul));
      break;
    case PT_SYSTIME:
      statement.Bind(index, static_cast<int64_t>(value.ft));
      break;
    case PT_UNICODE:
      statement.Bind(index, ToUtf8(value.str));
      break;
    case PT_BINARY:
      statement.BindBlob(index, value.bin.data(), value.bin.size());
      break;
    default:
      statement.BindNull(index);
  }
}

HRESULT ReadMessageProps(Database& db, int64_t message_id, PropRow& values) {
  values.clear();
  Statement s = db.PrepareCached("SELECT tag, value FROM props WHERE message_id = ?");
  s.Bind(1, message_id);
  while (s.Step()) {
    auto tag = static_cast<uint32_t>(s.Int(0));
    PropValue value = ValueFromColumn(s, 1, tag);
    if (!value.IsError()) values.push_back(std::move(value));
  }
  return s.failed() ? MAPI_E_DISK_ERROR : S_OK;
}

HRESULT WriteMessageProps(Database& db, int64_t message_id, std::span<const PropValue> values) {
  // Up to 16 values per statement: a message's properties are mostly written in one step.
  constexpr size_t kRowsPerInsert = 16;
  bool times_changed = false;
  for (size_t first = 0; first < values.size(); first += kRowsPerInsert) {
    const size_t rows = std::min(kRowsPerInsert, values.size() - first);
    std::string sql = "INSERT OR REPLACE INTO props(message_id, tag, value) VALUES (?, ?, ?)";
    for (size_t i = 1; i < rows; ++i) sql += ", (?, ?, ?)";
    Statement s = db.PrepareCached(sql);
    for (size_t i = 0; i < rows; ++i) {
      const PropValue& v = values[first + i];
      const int column = static_cast<int>(3 * i);
      s.Bind(column + 1, message_id).Bind(column + 2, static_cast<int64_t>(v.tag));
      BindValue(s, column + 3, v);
      times_changed = times_changed || IsTimeTag(v.tag);
    }
    if (!s.Run()) return MAPI_E_DISK_ERROR;
  }
  return times_changed ? UpdateSortTime(db, message_id) : S_OK;
}

HRESULT UpdateSortTime(Database& db, int64_t message_id) {
  Statement s = db.PrepareCached(
      "UPDATE messages SET sort_time = coalesce("
      "(SELECT value FROM props WHERE message_id = ?1 AND tag = ?2),"
      "(SELECT value FROM props WHERE message_id = ?1 AND tag = ?3), filed_time) WHERE id = ?1");
  s.Bind(1, message_id)
      .Bind(2, int64_t{PR_MESSAGE_DELIVERY_TIME})
      .Bind(3, int64_t{PR_CREATION_TIME});
  return s.Run() ? S_OK : MAPI_E_DISK_ERROR;
}

HRESULT CountsAsUnread(Database& db, const MessageRow& row, bool& unread) {
  unread = false;
  if (!row.folder.sms_account || row.folder.special != 2) return S_OK;  // Inbox only
  Statement s = db.PrepareCached("SELECT value FROM props WHERE message_id = ? AND tag = ?");
  s.Bind(1, row.id).Bind(2, int64_t{PR_MESSAGE_FLAGS});
  uint32_t flags = s.Step() ? static_cast<uint32_t>(s.Int(0)) : 0;
  if (s.failed()) return MAPI_E_DISK_ERROR;
  unread = (flags & MSGFLAG_READ) == 0;
  return S_OK;
}

HRESULT ReadRecipients(Database& db, int64_t message_id, std::vector<PropRow>& rows) {
  rows.clear();
  Statement s = db.PrepareCached(
      "SELECT row, tag, value FROM recipients WHERE message_id = ? ORDER BY row, tag");
  s.Bind(1, message_id);
  int64_t current = -1;
  while (s.Step()) {
    if (s.Int(0) != current) {
      current = s.Int(0);
      rows.push_back(PropRow{PropValue::Long(PR_ROWID, static_cast<uint32_t>(current))});
    }
    auto tag = static_cast<uint32_t>(s.Int(1));
    PropValue value = ValueFromColumn(s, 2, tag);
    if (!value.IsError()) rows.back().push_back(std::move(value));
  }
  return s.failed() ? MAPI_E_DISK_ERROR : S_OK;
}

HRESULT WriteRecipients(Database& db, int64_t message_id, uint32_t flags,
                        const std::vector<PropRow>& rows) {
  if (flags == 0) {
    Statement clear = db.PrepareCached("DELETE FROM recipients WHERE message_id = ?");
    if (!clear.Bind(1, message_id).Run()) return MAPI_E_DISK_ERROR;
  }
  Statement next =
      db.PrepareCached("SELECT coalesce(max(row), -1) + 1 FROM recipients WHERE message_id = ?");
  next.Bind(1, message_id);
  if (!next.Step()) return MAPI_E_DISK_ERROR;
  int64_t row_id = next.Int(0);
  Statement insert = db.PrepareCached(
      "INSERT OR REPLACE INTO recipients(message_id, row, tag, value) VALUES(?, ?, ?, ?)");
  for (const PropRow& row : rows) {
    for (const PropValue& v : row) {
      if (v.tag == PR_ROWID) continue;
      insert.Reset();
      insert.Bind(1, message_id).Bind(2, row_id).Bind(3, static_cast<int64_t>(v.tag));
      BindValue(insert, 4, v);
      if (!insert.Run()) return MAPI_E_DISK_ERROR;
    }
    ++row_id;
  }
  return S_OK;
}

}  // namespace platform::msgstore
