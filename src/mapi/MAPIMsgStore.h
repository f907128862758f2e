// An opened message store: its row from the stores table and the store itself, from which
// the five special folders are opened.
#pragma once

#include <memory>

#include "mapi/MAPIEntry.h"

namespace platform::msgstore {
class MsgStore;
}

class CMAPIFolder;

// Index of a special folder, in the order of the store properties that hold their entry ids.
enum class SpecialFolder : int {
  kDeletedItems = 0,
  kDrafts = 1,
  kInbox = 2,
  kOutbox = 3,
  kSentItems = 4,
};

class CMAPIMsgStore {
 public:
  CMAPIMsgStore(CMAPIEntry entry, std::unique_ptr<platform::msgstore::MsgStore> store);
  ~CMAPIMsgStore();
  CMAPIMsgStore(const CMAPIMsgStore&) = delete;
  CMAPIMsgStore& operator=(const CMAPIMsgStore&) = delete;

  // The special folder with its display name, or null when it cannot be opened or named.
  std::unique_ptr<CMAPIFolder> GetMessageFolder(SpecialFolder folder);

  const CMAPIEntry& entry() const { return entry_; }

 private:
  CMAPIEntry entry_;
  std::unique_ptr<platform::msgstore::MsgStore> store_;
};
