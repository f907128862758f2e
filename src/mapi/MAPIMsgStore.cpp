#include "mapi/MAPIMsgStore.h"

#include "mapi/MAPIFolder.h"
#include "mapi/MAPIGetProperty.h"
#include "mapi/MAPITrace.h"
#include "platform/msgstore/Folder.h"
#include "platform/msgstore/MsgStore.h"

namespace {

// Named in diagnostics of store and folder properties.
constexpr const char* kSourceFile = "mapi/MAPIMsgStore.cpp";

}  // namespace

CMAPIMsgStore::CMAPIMsgStore(CMAPIEntry entry, std::unique_ptr<platform::msgstore::MsgStore> store)
    : entry_(std::move(entry)), store_(std::move(store)) {}

CMAPIMsgStore::~CMAPIMsgStore() = default;

std::unique_ptr<CMAPIFolder> CMAPIMsgStore::GetMessageFolder(SpecialFolder folder) {
  uint32_t tag = platform::msgstore::SpecialFolderTag(static_cast<int>(folder));
  if (!store_ || tag == 0) return nullptr;
  auto folder_id = MAPIGetProperty(*store_, tag, "propTag", kSourceFile, __LINE__);
  if (!folder_id) return nullptr;
  std::unique_ptr<platform::msgstore::Folder> opened;
  HRESULT hr = store_->OpenEntry(folder_id->bin, MAPI_MODIFY, opened);
  if (platform::msgstore::Failed(hr)) {
    mapi::Trace("CMAPIMsgStore::GetMessageFolder OpenEntry: " +
                mapi::HexUpper(static_cast<uint32_t>(hr)) + "\n");
    return nullptr;
  }
  auto name = MAPIGetProperty(*opened, PR_DISPLAY_NAME, "PR_DISPLAY_NAME", kSourceFile, __LINE__);
  if (!name) return nullptr;  // releases the folder
  CMAPIEntry entry;
  entry.name = std::move(name->str);
  entry.entry_id = std::move(folder_id->bin);
  return std::make_unique<CMAPIFolder>(std::move(entry), std::move(opened));
}
