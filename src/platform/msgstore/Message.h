// A message of the store. A message opened from the store writes every change at once (each
// SetProps and ModifyRecipients is one transaction), so a change is never lost for want of a
// SaveChanges. A new message from CreateMessage keeps its properties and recipients in memory
// until its first SaveChanges, which files it whole in one transaction; dropped unsaved, it
// leaves nothing behind.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "platform/msgstore/EntryId.h"
#include "platform/msgstore/PropObject.h"

namespace platform::msgstore {

class StoreConnection;
class Table;

// Most recipients one message may hold.
inline constexpr size_t kMaxRecipients = 1000;

class Message : public PropObject {
 public:
  // A stored message.
  Message(std::shared_ptr<StoreConnection> connection, EntryId id);
  // A new message of the folder `folder` (row id) in store `store_id`.
  Message(std::shared_ptr<StoreConnection> connection, int64_t store_id, int64_t folder_id);

  // PR_ENTRYID is available once the message is stored.
  HRESULT GetProps(std::span<const uint32_t> tags, uint32_t flags, PropRow& values) override;
  // Sets the values (all or none). Refuses unknown types (MAPI_E_INVALID_PARAMETER), values
  // over kMaxPropertyBytes (MAPI_E_TOO_BIG) and computed tags (MAPI_E_NO_ACCESS).
  HRESULT SetProps(std::span<const PropValue> values);
  // Files a new message; for a stored one, checks that it still exists.
  HRESULT SaveChanges(uint32_t flags);
  // MODRECIP_ADD appends the rows; flags 0 replaces every recipient.
  HRESULT ModifyRecipients(uint32_t flags, const std::vector<PropRow>& rows);
  // Rows of PR_ROWID and the recipient's properties, in the order they were added.
  HRESULT GetRecipientTable(uint32_t flags, std::unique_ptr<Table>& table);

  bool IsStored() const { return id_.object_id != 0; }

 private:
  HRESULT ReadAll(PropRow& values);
  HRESULT SetStoredProps(std::span<const PropValue> values);
  HRESULT FileNew();

  std::shared_ptr<StoreConnection> connection_;
  EntryId id_;  // object_id 0 until stored
  int64_t folder_id_ = 0;
  // Unsaved state of a new message.
  std::map<uint32_t, PropValue> pending_;
  std::vector<PropRow> pending_recipients_;
};

}  // namespace platform::msgstore
