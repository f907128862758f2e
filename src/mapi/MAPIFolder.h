// An opened folder: its entry (display name and entry id) and the folder, with its contents
// as rows and the opening, creation and deletion of its messages.
#pragma once

#include <memory>
#include <vector>

#include "mapi/MAPIEntry.h"

namespace platform::msgstore {
class Folder;
}

class CMAPIMessage;

class CMAPIFolder {
 public:
  CMAPIFolder(CMAPIEntry entry, std::unique_ptr<platform::msgstore::Folder> folder);
  ~CMAPIFolder();
  CMAPIFolder(const CMAPIFolder&) = delete;
  CMAPIFolder& operator=(const CMAPIFolder&) = delete;

  // The folder's rows in the store's order (oldest first); callers choose the direction.
  bool GetContents(std::vector<CMAPIEntry>& entries);
  std::unique_ptr<CMAPIMessage> OpenMessage(const CMAPIEntry& entry);
  // A new message of this folder; it is filed by CMAPIMessage::Save.
  std::unique_ptr<CMAPIMessage> CreateMessage();
  // True when the message was in this folder and is now deleted.
  bool DeleteMessage(const CMAPIEntry& entry);

  const CMAPIEntry& entry() const { return entry_; }

 private:
  CMAPIEntry entry_;
  std::unique_ptr<platform::msgstore::Folder> folder_;
};
