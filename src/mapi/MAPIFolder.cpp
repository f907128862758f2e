#include "mapi/MAPIFolder.h"

#include "mapi/MAPIMessage.h"
#include "mapi/MAPITableReader.h"
#include "platform/msgstore/Folder.h"
#include "platform/msgstore/Message.h"
#include "platform/msgstore/Table.h"

using platform::msgstore::Failed;

CMAPIFolder::CMAPIFolder(CMAPIEntry entry, std::unique_ptr<platform::msgstore::Folder> folder)
    : entry_(std::move(entry)), folder_(std::move(folder)) {}

CMAPIFolder::~CMAPIFolder() = default;

bool CMAPIFolder::GetContents(std::vector<CMAPIEntry>& entries) {
  if (!folder_) return false;
  std::unique_ptr<platform::msgstore::Table> table;
  if (Failed(folder_->GetContentsTable(0, table)) || !table) return false;
  return MAPIReadTable(*table, entries);
}

std::unique_ptr<CMAPIMessage> CMAPIFolder::OpenMessage(const CMAPIEntry& entry) {
  if (!folder_) return nullptr;
  std::unique_ptr<platform::msgstore::Message> message;
  if (Failed(folder_->OpenEntry(entry.entry_id, 0, message))) return nullptr;
  return std::make_unique<CMAPIMessage>(std::move(message));
}

std::unique_ptr<CMAPIMessage> CMAPIFolder::CreateMessage() {
  if (!folder_) return nullptr;
  std::unique_ptr<platform::msgstore::Message> message;
  if (Failed(folder_->CreateMessage(0, message))) return nullptr;
  return std::make_unique<CMAPIMessage>(std::move(message));
}

bool CMAPIFolder::DeleteMessage(const CMAPIEntry& entry) {
  if (!folder_) return false;
  return folder_->DeleteMessages({entry.entry_id}, 0) == S_OK;
}
