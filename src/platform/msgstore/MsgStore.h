// One store of the message store: its name and entry id, and the entry ids of its five
// special folders as store properties (PR_IPM_WASTEBASKET_ENTRYID, the drafts and inbox
// properties of the platform, PR_IPM_OUTBOX_ENTRYID, PR_IPM_SENTMAIL_ENTRYID).
#pragma once

#include <memory>

#include "platform/msgstore/EntryId.h"
#include "platform/msgstore/PropObject.h"

namespace platform::msgstore {

class StoreConnection;
class Folder;

class MsgStore : public PropObject {
 public:
  MsgStore(std::shared_ptr<StoreConnection> connection, EntryId id);

  HRESULT GetProps(std::span<const uint32_t> tags, uint32_t flags, PropRow& values) override;
  // Opens a folder of this store by its entry id.
  HRESULT OpenEntry(std::span<const uint8_t> entry_id, uint32_t flags,
                    std::unique_ptr<Folder>& folder);

 private:
  HRESULT ReadAll(PropRow& values);

  std::shared_ptr<StoreConnection> connection_;
  EntryId id_;
};

// The store property that holds the entry id of a special folder, or 0 for another index.
uint32_t SpecialFolderTag(int special);

}  // namespace platform::msgstore
