#include "platform/msgstore/Folder.h"

#include <algorithm>
#include <functional>
#include <string>

#include "platform/Clock.h"
#include "platform/Text.h"
#include "platform/msgstore/Message.h"
#include "platform/msgstore/MessageRows.h"
#include "platform/msgstore/Session.h"
#include "platform/msgstore/StoreConnection.h"
#include "platform/msgstore/Table.h"

namespace platform::msgstore {

namespace {

// The contents query: each message of the folder with those of its properties that are
// wanted columns (tags are numbers, written into the statement), in contents order or in the
// order the messages were filed (the order their properties are stored in, so read without
// seeking back and forth). PR_ENTRYID is made from the message row, not read.
// The stored tags of `columns` as an SQL list (PR_ENTRYID is made from the message row).
std::string TagList(std::span<const uint32_t> columns) {
  std::string tags;
  for (uint32_t tag : columns) {
    if (tag == PR_ENTRYID) continue;
    if (!tags.empty()) tags += ',';
    tags += std::to_string(tag);
  }
  return tags;
}

std::string ContentsQuery(RowOrder order, std::span<const uint32_t> columns) {
  const std::string tags = TagList(columns);
  std::string sql = "SELECT m.id, m.nonce, p.tag, p.value, m.sort_time FROM messages m ";
  if (order == RowOrder::kFiled) sql += "NOT INDEXED ";
  sql += "LEFT JOIN props p ON p.message_id = m.id AND p.tag IN (" + tags +
         ") WHERE m.folder_id = ? ORDER BY ";
  sql += order == RowOrder::kFiled ? "m.id" : "m.sort_time, m.id";
  return sql;
}

// Every message of the folder, in the given order, as a row of `columns` (in that order; a
// column the message lacks is a PT_ERROR value) with its place in contents order, handed to
// `visit` as it is read. One statement, its rows grouped by message as they come.
// A page of the contents newest first: the page's messages are chosen through the contents
// index, then their columns joined in the same order.
std::string NewestPageQuery(std::span<const uint32_t> columns) {
  const std::string tags = TagList(columns);
  return "SELECT m.id, m.nonce, p.tag, p.value, m.sort_time FROM (SELECT id, nonce, sort_time "
         "FROM messages WHERE folder_id = ?1 AND (sort_time, id) < (?2, ?3) "
         "ORDER BY sort_time DESC, id DESC LIMIT ?4) m "
         "LEFT JOIN props p ON p.message_id = m.id AND p.tag IN (" +
         tags + ") ORDER BY m.sort_time DESC, m.id DESC";
}

// Hands out the rows of a contents statement (message id, nonce, tag, value, sort time; the
// rows of one message together), each message as a row of `columns`.
HRESULT VisitRows(Statement& s, const EntryId& folder, std::span<const uint32_t> columns,
                  const Folder::RowVisitor& visit) {
  PropRow row;
  ContentsPlace place;
  const auto empty_row = [&] {
    row.clear();
    for (uint32_t tag : columns) row.push_back(PropValue::Error(tag, MAPI_E_NOT_FOUND));
  };
  while (s.Step()) {
    if (s.Int(0) != place.id) {
      if (place.id != 0) visit(row, place);
      place = {s.Int(4), s.Int(0)};
      empty_row();
      EntryId id{EntryKind::kMessage, folder.store_id, place.id, NonceFromBlob(s.Blob(1))};
      for (size_t i = 0; i < columns.size(); ++i) {
        if (columns[i] == PR_ENTRYID) row[i] = PropValue::Binary(PR_ENTRYID, id.Encode());
      }
    }
    if (s.IsNull(2)) continue;
    auto tag = static_cast<uint32_t>(s.Int(2));
    const auto wanted = std::find(columns.begin(), columns.end(), tag);
    if (tag == PR_ENTRYID || wanted == columns.end()) continue;
    PropValue value = ValueFromColumn(s, 3, tag);
    if (value.IsError()) continue;
    for (auto column = wanted; column != columns.end(); ++column) {
      if (*column == tag) row[column - columns.begin()] = value;
    }
  }
  if (s.failed()) return MAPI_E_DISK_ERROR;
  if (place.id != 0) visit(row, place);
  return S_OK;
}

HRESULT VisitContents(Database& db, const EntryId& folder, std::span<const uint32_t> columns,
                      RowOrder order, const Folder::RowVisitor& visit) {
  Statement s = db.PrepareCached(ContentsQuery(order, columns));
  s.Bind(1, folder.object_id);
  return VisitRows(s, folder, columns, visit);
}

HRESULT CountMessages(Database& db, int64_t folder_id, uint32_t& total, uint32_t& unread) {
  Statement s = db.PrepareCached(
      "SELECT count(*), coalesce(sum(coalesce((SELECT value & 1 FROM props "
      "WHERE message_id = m.id AND tag = ?), 0) = 0), 0) FROM messages m WHERE m.folder_id = ?");
  s.Bind(1, int64_t{PR_MESSAGE_FLAGS}).Bind(2, folder_id);
  if (!s.Step()) return MAPI_E_DISK_ERROR;
  total = static_cast<uint32_t>(s.Int(0));
  unread = static_cast<uint32_t>(s.Int(1));
  return S_OK;
}

// One read of a folder's rows inside one store read: the folder must exist, and a read that
// the connection retries fails instead of handing out the rows of the failed attempt twice.
HRESULT ReadFolderOnce(StoreConnection& connection, const EntryId& folder,
                       const std::function<HRESULT(Database&)>& body) {
  bool started = false;
  return connection.Read([&]() -> HRESULT {
    if (started) return MAPI_E_BUSY;
    FolderRow row;
    HRESULT found = LookupFolder(connection.db(), folder, row);
    if (found == MAPI_E_NOT_FOUND) return MAPI_E_OBJECT_DELETED;
    if (Failed(found)) return found;
    started = true;
    return body(connection.db());
  });
}

}  // namespace

Folder::Folder(std::shared_ptr<StoreConnection> connection, EntryId id)
    : connection_(std::move(connection)), id_(id) {}

HRESULT Folder::ReadAll(std::span<const uint32_t> tags, PropRow& values) {
  Database& db = connection_->db();
  FolderRow row;
  HRESULT hr = LookupFolder(db, id_, row);
  if (hr == MAPI_E_NOT_FOUND) return MAPI_E_OBJECT_DELETED;
  if (Failed(hr)) return hr;
  Statement s = db.PrepareCached("SELECT display_name FROM folders WHERE id = ?");
  s.Bind(1, id_.object_id);
  if (!s.Step()) return MAPI_E_DISK_ERROR;
  values = {PropValue::String(PR_DISPLAY_NAME, FromUtf8(s.Text(0))),
            PropValue::Binary(PR_ENTRYID, id_.Encode())};
  // The counts cost a walk over the folder's messages: made only when asked for.
  const auto asked = [&tags](uint32_t tag) {
    return std::find(tags.begin(), tags.end(), tag) != tags.end();
  };
  if (!asked(PR_CONTENT_COUNT) && !asked(PR_CONTENT_UNREAD)) return S_OK;
  uint32_t total = 0;
  uint32_t unread = 0;
  hr = CountMessages(db, id_.object_id, total, unread);
  if (Failed(hr)) return hr;
  values.push_back(PropValue::Long(PR_CONTENT_COUNT, total));
  values.push_back(PropValue::Long(PR_CONTENT_UNREAD, unread));
  return S_OK;
}

HRESULT Folder::GetProps(std::span<const uint32_t> tags, uint32_t /*flags*/, PropRow& values) {
  values.clear();
  PropRow all;
  HRESULT hr = connection_->Read([&] { return ReadAll(tags, all); });
  if (Failed(hr)) return hr;
  return SelectProps(all, tags, values);
}

HRESULT Folder::GetContentsTable(uint32_t /*flags*/, std::unique_ptr<Table>& table) {
  std::shared_ptr<StoreConnection> connection = connection_;
  EntryId folder = id_;
  auto loader = [connection, folder](std::span<const uint32_t> columns,
                                     std::vector<PropRow>& rows) {
    return connection->Read([&]() -> HRESULT {
      rows.clear();
      FolderRow row;
      HRESULT hr = LookupFolder(connection->db(), folder, row);
      if (hr == MAPI_E_NOT_FOUND) return MAPI_E_OBJECT_DELETED;
      if (Failed(hr)) return hr;
      return VisitContents(
          connection->db(), folder, columns, RowOrder::kContents,
          [&rows](const PropRow& message, ContentsPlace) { rows.push_back(message); });
    });
  };
  table = std::make_unique<Table>(loader, std::vector<uint32_t>(std::begin(kDefaultTableColumns),
                                                                std::end(kDefaultTableColumns)));
  return S_OK;
}

HRESULT Folder::VisitContentsRows(std::span<const uint32_t> columns, RowOrder order,
                                  const RowVisitor& visit) {
  if (columns.empty() || columns.size() > kMaxTableColumns) return MAPI_E_INVALID_PARAMETER;
  return ReadFolderOnce(*connection_, id_, [&](Database& db) {
    return VisitContents(db, id_, columns, order, visit);
  });
}

HRESULT Folder::VisitNewestRows(std::span<const uint32_t> columns, const ContentsPlace* before,
                                size_t limit, const RowVisitor& visit) {
  if (columns.empty() || columns.size() > kMaxTableColumns) return MAPI_E_INVALID_PARAMETER;
  if (limit == 0) return S_OK;
  const ContentsPlace from = before ? *before : ContentsPlace{INT64_MAX, INT64_MAX};
  return ReadFolderOnce(*connection_, id_, [&](Database& db) {
    Statement s = db.PrepareCached(NewestPageQuery(columns));
    s.Bind(1, id_.object_id).Bind(2, from.sort_time).Bind(3, from.id);
    s.Bind(4, static_cast<int64_t>(std::min<size_t>(limit, INT64_MAX)));
    return VisitRows(s, id_, columns, visit);
  });
}

HRESULT Folder::VisitRowsOf(std::span<const uint32_t> columns,
                            std::span<const std::vector<uint8_t>> entry_ids,
                            const RowVisitor& visit) {
  if (columns.empty() || columns.size() > kMaxTableColumns || entry_ids.size() > kMaxRowsOf) {
    return MAPI_E_INVALID_PARAMETER;
  }
  if (entry_ids.empty()) return S_OK;
  return ReadFolderOnce(*connection_, id_, [&](Database& db) -> HRESULT {
    Statement s = db.PrepareCached(
        "SELECT m.id, m.nonce, p.tag, p.value, m.sort_time FROM messages m "
        "LEFT JOIN props p ON p.message_id = m.id AND p.tag IN (" +
        TagList(columns) + ") WHERE m.id = ?1 AND m.folder_id = ?2 AND m.nonce = ?3");
    for (const std::vector<uint8_t>& bytes : entry_ids) {
      const std::optional<EntryId> entry = EntryId::Decode(bytes);
      if (!entry || entry->kind != EntryKind::kMessage || entry->store_id != id_.store_id) {
        continue;
      }
      // The nonce tells a deleted message from a later one that took its number.
      s.Reset();
      s.Bind(1, entry->object_id).Bind(2, id_.object_id);
      s.BindBlob(3, entry->nonce.data(), entry->nonce.size());
      const HRESULT hr = VisitRows(s, id_, columns, visit);
      if (Failed(hr)) return hr;
    }
    return S_OK;
  });
}

HRESULT Folder::CountRows(uint32_t& count) {
  count = 0;
  return connection_->Read([&]() -> HRESULT {
    Statement s =
        connection_->db().PrepareCached("SELECT count(*) FROM messages WHERE folder_id = ?");
    s.Bind(1, id_.object_id);
    if (!s.Step()) return MAPI_E_DISK_ERROR;
    count = static_cast<uint32_t>(std::min<int64_t>(s.Int(0), UINT32_MAX));
    return S_OK;
  });
}

HRESULT Folder::VisitRecipientValues(uint32_t tag, const RecipientVisitor& visit) {
  return ReadFolderOnce(*connection_, id_, [&](Database& db) -> HRESULT {
    Statement s = db.PrepareCached(
        "SELECT m.id, m.nonce, r.value FROM messages m NOT INDEXED "
        "JOIN recipients r ON r.message_id = m.id AND r.tag = ? "
        "WHERE m.folder_id = ? ORDER BY m.id, r.row");
    s.Bind(1, int64_t{tag}).Bind(2, id_.object_id);
    EntryId message;
    while (s.Step()) {
      if (s.Int(0) != message.object_id) {
        message = EntryId{EntryKind::kMessage, id_.store_id, s.Int(0), NonceFromBlob(s.Blob(1))};
      }
      PropValue value = ValueFromColumn(s, 2, tag);
      if (!value.IsError()) visit(message, value);
    }
    return s.failed() ? MAPI_E_DISK_ERROR : S_OK;
  });
}

HRESULT Folder::FileNewMessages(const std::vector<NewMessage>& messages) {
  for (const NewMessage& message : messages) {
    HRESULT hr = CheckValues(message.values);
    if (Failed(hr)) return hr;
    if (message.recipients.size() > kMaxRecipients) return MAPI_E_TOO_BIG;
  }
  const Database::BulkWrites bulk(connection_->db());
  return connection_->Write([&]() -> HRESULT {
    Database& db = connection_->db();
    FolderRow folders[kSpecialFolderCount];
    for (int special = 0; special < kSpecialFolderCount; ++special) {
      HRESULT hr = LookupSpecialFolder(db, id_.store_id, special, folders[special]);
      if (Failed(hr)) return hr == MAPI_E_NOT_FOUND ? MAPI_E_OBJECT_DELETED : hr;
    }
    const auto filed = static_cast<int64_t>(FileTimeFromUnixSeconds(Clock::UnixSeconds()));
    for (const NewMessage& message : messages) {
      if (message.special < 0 || message.special >= kSpecialFolderCount) {
        return MAPI_E_INVALID_PARAMETER;
      }
      MessageRow row;
      row.folder = folders[message.special];
      const Nonce nonce = MakeNonce();
      Statement insert = db.PrepareCached(
          "INSERT INTO messages(folder_id, filed_time, sort_time, nonce) VALUES(?, ?, ?, ?)");
      insert.Bind(1, row.folder.id).Bind(2, filed).Bind(3, filed);
      insert.BindBlob(4, nonce.data(), nonce.size());
      if (!insert.Run()) return MAPI_E_DISK_ERROR;
      row.id = db.LastInsertRowId();
      // Writing a time moves the sort time; without one it stays the filing time.
      HRESULT hr = WriteMessageProps(db, row.id, message.values);
      if (!Failed(hr)) hr = WriteRecipients(db, row.id, MODRECIP_ADD, message.recipients);
      if (Failed(hr)) return hr;
      bool unread = false;
      if (Failed(CountsAsUnread(db, row, unread))) return MAPI_E_DISK_ERROR;
      if (unread) connection_->AddUnreadDelta(1);
      if (IsSmsInbox(row.folder)) connection_->MarkInboxChanged();
    }
    return S_OK;
  });
}

HRESULT Folder::OpenEntry(std::span<const uint8_t> entry_id, uint32_t /*flags*/,
                          std::unique_ptr<Message>& message) {
  message.reset();
  if (entry_id.size() > kMaxEntryIdBytes) return MAPI_E_INVALID_ENTRYID;
  std::optional<EntryId> id = EntryId::Decode(entry_id);
  if (!id || id->store_id != id_.store_id) return MAPI_E_INVALID_ENTRYID;
  MessageRow row;
  HRESULT hr = connection_->Read([&] { return LookupMessage(connection_->db(), *id, row); });
  if (Failed(hr)) return hr;
  message = std::make_unique<Message>(connection_, *id);
  return S_OK;
}

HRESULT Folder::CreateMessage(uint32_t /*flags*/, std::unique_ptr<Message>& message) {
  message = std::make_unique<Message>(connection_, id_.store_id, id_.object_id);
  return S_OK;
}

HRESULT Folder::DeleteMessages(const std::vector<std::vector<uint8_t>>& entry_ids,
                               uint32_t /*flags*/) {
  std::vector<EntryId> ids;
  for (const auto& bytes : entry_ids) {
    std::optional<EntryId> id =
        bytes.size() <= kMaxEntryIdBytes ? EntryId::Decode(bytes) : std::nullopt;
    if (!id || id->kind != EntryKind::kMessage) return MAPI_E_INVALID_ENTRYID;
    ids.push_back(*id);
  }
  bool partial = false;
  HRESULT hr = connection_->Write([&]() -> HRESULT {
    partial = false;
    Database& db = connection_->db();
    for (const EntryId& id : ids) {
      MessageRow row;
      HRESULT found = LookupMessage(db, id, row);
      if (found == MAPI_E_NOT_FOUND || (!Failed(found) && row.folder.id != id_.object_id)) {
        partial = true;
        continue;
      }
      if (Failed(found)) return found;
      bool unread = false;
      if (Failed(CountsAsUnread(db, row, unread))) return MAPI_E_DISK_ERROR;
      Statement remove = db.PrepareCached("DELETE FROM messages WHERE id = ?");
      if (!remove.Bind(1, row.id).Run()) return MAPI_E_DISK_ERROR;
      if (unread) connection_->AddUnreadDelta(-1);
      if (IsSmsInbox(row.folder)) connection_->MarkInboxChanged();
    }
    return S_OK;
  });
  if (Failed(hr)) return hr;
  return partial ? MAPI_W_PARTIAL_COMPLETION : S_OK;
}

}  // namespace platform::msgstore
