#include "mapi/MAPISession.h"

#include "mapi/MAPIMessage.h"
#include "mapi/MAPIMsgStore.h"
#include "mapi/MAPITableReader.h"
#include "mapi/MAPITrace.h"
#include "platform/Text.h"
#include "platform/msgstore/Message.h"
#include "platform/msgstore/MsgStore.h"
#include "platform/msgstore/Session.h"
#include "platform/msgstore/Table.h"

using platform::msgstore::Failed;

CMAPISession::CMAPISession() = default;
CMAPISession::~CMAPISession() = default;

bool CMAPISession::Logon() {
  HRESULT hr = platform::msgstore::Session::Logon(session_);
  if (Failed(hr)) {
    mapi::Trace("CMAPISession::Logon - MAPILogonEx: " + mapi::HexUpper(static_cast<uint32_t>(hr)) +
                "\n");
    return false;
  }
  return true;
}

bool CMAPISession::EnumMsgStores(std::vector<CMAPIEntry>& stores) {
  if (!session_) return false;
  std::unique_ptr<platform::msgstore::Table> table;
  HRESULT hr = session_->GetMsgStoresTable(MAPI_UNICODE, table);
  if (Failed(hr) || !table) {
    mapi::Trace("CMAPISession::EnumMsgStores - GetMsgStoresTable: " +
                mapi::HexUpper(static_cast<uint32_t>(hr)) + "\n");
    return false;
  }
  return MAPIReadTable(*table, stores);
}

std::unique_ptr<CMAPIMsgStore> CMAPISession::OpenMsgStore(const CMAPIEntry& entry) {
  if (!session_) return nullptr;
  std::unique_ptr<platform::msgstore::MsgStore> store;
  HRESULT hr = session_->OpenMsgStore(entry.entry_id, MAPI_BEST_ACCESS | MDB_NO_DIALOG, store);
  if (mapi::TraceEnabled()) {
    mapi::Trace("CMAPISession::OpenMsgStore(" + platform::ToUtf8(entry.name) +
                "): " + mapi::HexUpper(static_cast<uint32_t>(hr)) + "\n");
  }
  if (Failed(hr)) return nullptr;
  return std::make_unique<CMAPIMsgStore>(entry, std::move(store));
}

std::unique_ptr<CMAPIMsgStore> CMAPISession::OpenMsgStore(std::u16string_view name) {
  std::vector<CMAPIEntry> stores;
  if (!EnumMsgStores(stores)) return nullptr;
  for (const CMAPIEntry& entry : stores) {
    if (platform::CompareOrdinalNoCase(entry.name, name) == 0) return OpenMsgStore(entry);
  }
  if (mapi::TraceEnabled()) {
    mapi::Trace("CMAPISession::OpenMsgStore(" + platform::ToUtf8(name) +
                ") has no elements with this name\n");
  }
  return nullptr;
}

std::unique_ptr<CMAPIMessage> CMAPISession::OpenEntry(const CMAPIEntry& entry) {
  if (!session_) return nullptr;
  std::unique_ptr<platform::msgstore::Message> message;
  if (Failed(session_->OpenEntry(entry.entry_id, 0, message))) return nullptr;
  return std::make_unique<CMAPIMessage>(std::move(message));
}
