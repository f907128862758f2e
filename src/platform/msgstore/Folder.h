// A folder of a store: its name, entry id and counts as properties, its contents table
// (messages in the store's default order: oldest first by delivery time, else creation time,
// else the time the message was filed), and the creation, opening and deletion of messages.
#pragma once

#include <compare>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "platform/msgstore/EntryId.h"
#include "platform/msgstore/PropObject.h"

namespace platform::msgstore {

class StoreConnection;
class Table;
class Message;

// Where a message stands in its folder's contents order: by sort time (its delivery time,
// else its creation time, else the time it was filed), then by filing.
struct ContentsPlace {
  int64_t sort_time = 0;
  int64_t id = 0;
  auto operator<=>(const ContentsPlace&) const = default;
};

// The order in which rows are handed out: contents order, or the order of filing.
enum class RowOrder { kContents, kFiled };

class Folder : public PropObject {
 public:
  Folder(std::shared_ptr<StoreConnection> connection, EntryId id);

  // PR_DISPLAY_NAME, PR_ENTRYID, PR_CONTENT_COUNT, PR_CONTENT_UNREAD.
  HRESULT GetProps(std::span<const uint32_t> tags, uint32_t flags, PropRow& values) override;
  HRESULT GetContentsTable(uint32_t flags, std::unique_ptr<Table>& table);
  // The contents read in one pass without keeping them: every message as a row of `columns`
  // (a column the message lacks as a PT_ERROR value) with its place in contents order, handed
  // to `visit` as it is read, inside one read of the store; `visit` must not use the store.
  // RowOrder::kFiled hands the rows in the order the messages were filed, which reads a large
  // folder several times faster when that differs from contents order. A failure after some
  // rows leaves those rows visited.
  using RowVisitor = std::function<void(const PropRow& row, ContentsPlace place)>;
  HRESULT VisitContentsRows(std::span<const uint32_t> columns, RowOrder order,
                            const RowVisitor& visit);
  // One page of the contents read backwards: up to `limit` rows newest first (contents order
  // reversed) from the row just before `before` on (from the newest row when it is null), so
  // that a walk from the newest message can stop early without reading the whole folder.
  // Same rows and rules as VisitContentsRows; `visit` must not use the store.
  HRESULT VisitNewestRows(std::span<const uint32_t> columns, const ContentsPlace* before,
                          size_t limit, const RowVisitor& visit);
  // The rows of the listed messages (by entry id) in one read of the store, in the order
  // given; ids of messages that are not in this folder (moved, deleted, or never were) are
  // passed over. Same rows and rules as VisitContentsRows; for a few messages of a large folder
  // this reads only those. At most kMaxRowsOf ids.
  static constexpr size_t kMaxRowsOf = 1u << 20;
  HRESULT VisitRowsOf(std::span<const uint32_t> columns,
                      std::span<const std::vector<uint8_t>> entry_ids, const RowVisitor& visit);
  // The number of messages, without reading them.
  HRESULT CountRows(uint32_t& count);
  // One recipient property of every message of the folder in one read of the store, in the
  // order the messages were filed: `visit` gets the message's entry id and the value of each
  // of its recipients that has the property (in recipient row order); `visit` must not use
  // the store. A failure after some values leaves those visited.
  using RecipientVisitor = std::function<void(const EntryId& message, const PropValue& value)>;
  HRESULT VisitRecipientValues(uint32_t tag, const RecipientVisitor& visit);
  // Opens a message of this folder's store.
  HRESULT OpenEntry(std::span<const uint8_t> entry_id, uint32_t flags,
                    std::unique_ptr<Message>& message);
  // A new message of this folder; it is stored by its first SaveChanges.
  HRESULT CreateMessage(uint32_t flags, std::unique_ptr<Message>& message);
  // Deletes the listed messages of this folder. An entry id that is malformed fails the whole
  // call before anything is deleted; messages that are not in this folder are left alone and
  // make the result MAPI_W_PARTIAL_COMPLETION.
  HRESULT DeleteMessages(const std::vector<std::vector<uint8_t>>& entry_ids, uint32_t flags);

  // A new message for FileNewMessages: the special folder of this folder's store it goes to,
  // its properties and its recipients.
  struct NewMessage {
    int special = 2;
    PropRow values;
    std::vector<PropRow> recipients;
  };
  // Files many new messages in one transaction (all or none), in the order given: what
  // filing each by its own SaveChanges does, for bulk data such as a seeded device.
  HRESULT FileNewMessages(const std::vector<NewMessage>& messages);

  const EntryId& id() const { return id_; }

 private:
  // The folder's properties, the message counts only when `tags` asks for them.
  HRESULT ReadAll(std::span<const uint32_t> tags, PropRow& values);

  std::shared_ptr<StoreConnection> connection_;
  EntryId id_;
};

}  // namespace platform::msgstore
