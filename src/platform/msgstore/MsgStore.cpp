#include "platform/msgstore/MsgStore.h"

#include "platform/Text.h"
#include "platform/msgstore/Folder.h"
#include "platform/msgstore/MessageRows.h"
#include "platform/msgstore/StoreConnection.h"

namespace platform::msgstore {

uint32_t SpecialFolderTag(int special) {
  static constexpr uint32_t kTags[kSpecialFolderCount] = {
      PR_IPM_WASTEBASKET_ENTRYID, PR_CE_IPM_DRAFTS_ENTRYID, PR_CE_IPM_INBOX_ENTRYID,
      PR_IPM_OUTBOX_ENTRYID, PR_IPM_SENTMAIL_ENTRYID};
  return special >= 0 && special < kSpecialFolderCount ? kTags[special] : 0;
}

MsgStore::MsgStore(std::shared_ptr<StoreConnection> connection, EntryId id)
    : connection_(std::move(connection)), id_(id) {}

HRESULT MsgStore::ReadAll(PropRow& values) {
  Database& db = connection_->db();
  StoreRow row;
  HRESULT hr = LookupStore(db, id_, row);
  if (hr == MAPI_E_NOT_FOUND) return MAPI_E_OBJECT_DELETED;
  if (Failed(hr)) return hr;
  Statement s =
      db.PrepareCached("SELECT display_name, sender_address, flags FROM stores WHERE id = ?");
  s.Bind(1, id_.store_id);
  if (!s.Step()) return MAPI_E_DISK_ERROR;
  values = {PropValue::String(PR_DISPLAY_NAME, FromUtf8(s.Text(0))),
            PropValue::Binary(PR_ENTRYID, id_.Encode())};
  if (!s.IsNull(1))
    values.push_back(PropValue::String(PR_SENDER_EMAIL_ADDRESS, FromUtf8(s.Text(1))));
  if (!s.IsNull(2))
    values.push_back(PropValue::Long(PR_MESSAGE_FLAGS, static_cast<uint32_t>(s.Int(2))));
  Statement folders = db.PrepareCached("SELECT id, special, nonce FROM folders WHERE store_id = ?");
  folders.Bind(1, id_.store_id);
  while (folders.Step()) {
    uint32_t tag = SpecialFolderTag(static_cast<int>(folders.Int(1)));
    if (tag == 0) continue;
    EntryId folder{EntryKind::kFolder, id_.store_id, folders.Int(0),
                   NonceFromBlob(folders.Blob(2))};
    values.push_back(PropValue::Binary(tag, folder.Encode()));
  }
  return folders.failed() ? MAPI_E_DISK_ERROR : S_OK;
}

HRESULT MsgStore::GetProps(std::span<const uint32_t> tags, uint32_t /*flags*/, PropRow& values) {
  values.clear();
  PropRow all;
  HRESULT hr = connection_->Read([&] { return ReadAll(all); });
  if (Failed(hr)) return hr;
  return SelectProps(all, tags, values);
}

HRESULT MsgStore::OpenEntry(std::span<const uint8_t> entry_id, uint32_t /*flags*/,
                            std::unique_ptr<Folder>& folder) {
  folder.reset();
  if (entry_id.size() > kMaxEntryIdBytes) return MAPI_E_INVALID_ENTRYID;
  std::optional<EntryId> id = EntryId::Decode(entry_id);
  if (!id || id->store_id != id_.store_id) return MAPI_E_INVALID_ENTRYID;
  FolderRow row;
  HRESULT hr = connection_->Read([&] { return LookupFolder(connection_->db(), *id, row); });
  if (Failed(hr)) return hr;
  folder = std::make_unique<Folder>(connection_, *id);
  return S_OK;
}

}  // namespace platform::msgstore
