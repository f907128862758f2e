#include "platform/msgstore/Session.h"

#include "platform/Text.h"
#include "platform/msgstore/FaultInjection.h"
#include "platform/msgstore/Message.h"
#include "platform/msgstore/MessageRows.h"
#include "platform/msgstore/MsgStore.h"
#include "platform/msgstore/StoreConnection.h"
#include "platform/msgstore/Table.h"

namespace platform::msgstore {

namespace {

// Every store as a row of its known properties.
HRESULT ReadStoreRows(StoreConnection& connection, std::vector<PropRow>& rows) {
  Statement s = connection.db().PrepareCached(
      "SELECT id, nonce, display_name, sender_address, flags FROM stores ORDER BY id");
  while (s.Step()) {
    EntryId id{EntryKind::kStore, s.Int(0), s.Int(0), NonceFromBlob(s.Blob(1))};
    PropRow row{PropValue::String(PR_DISPLAY_NAME, FromUtf8(s.Text(2))),
                PropValue::Binary(PR_ENTRYID, id.Encode())};
    if (!s.IsNull(3))
      row.push_back(PropValue::String(PR_SENDER_EMAIL_ADDRESS, FromUtf8(s.Text(3))));
    if (!s.IsNull(4))
      row.push_back(PropValue::Long(PR_MESSAGE_FLAGS, static_cast<uint32_t>(s.Int(4))));
    rows.push_back(std::move(row));
  }
  return s.failed() ? MAPI_E_DISK_ERROR : S_OK;
}

std::optional<EntryId> DecodeBounded(std::span<const uint8_t> entry_id) {
  if (entry_id.size() > kMaxEntryIdBytes) return std::nullopt;
  return EntryId::Decode(entry_id);
}

}  // namespace

Session::Session(std::shared_ptr<StoreConnection> connection)
    : connection_(std::move(connection)) {}
Session::~Session() = default;

HRESULT Session::Logon(std::unique_ptr<Session>& session) {
  session.reset();
  if (faults::LogonShouldFail()) return MAPI_E_LOGON_FAILED;
  std::shared_ptr<StoreConnection> connection;
  HRESULT hr = StoreConnection::Open(connection);
  if (Failed(hr)) return hr;
  session = std::make_unique<Session>(std::move(connection));
  return S_OK;
}

HRESULT Session::GetMsgStoresTable(uint32_t /*flags*/, std::unique_ptr<Table>& table) {
  std::shared_ptr<StoreConnection> connection = connection_;
  auto loader = [connection](std::span<const uint32_t>, std::vector<PropRow>& rows) {
    return connection->Read([&] {
      rows.clear();
      return ReadStoreRows(*connection, rows);
    });
  };
  table = std::make_unique<Table>(loader, std::vector<uint32_t>(std::begin(kDefaultTableColumns),
                                                                std::end(kDefaultTableColumns)));
  return S_OK;
}

HRESULT Session::OpenMsgStore(std::span<const uint8_t> entry_id, uint32_t /*flags*/,
                              std::unique_ptr<MsgStore>& store) {
  store.reset();
  std::optional<EntryId> id = DecodeBounded(entry_id);
  if (!id) return MAPI_E_INVALID_ENTRYID;
  StoreRow row;
  HRESULT hr = connection_->Read([&] { return LookupStore(connection_->db(), *id, row); });
  if (Failed(hr)) return hr;
  store = std::make_unique<MsgStore>(connection_, *id);
  return S_OK;
}

HRESULT Session::OpenEntry(std::span<const uint8_t> entry_id, uint32_t /*flags*/,
                           std::unique_ptr<Message>& message) {
  message.reset();
  std::optional<EntryId> id = DecodeBounded(entry_id);
  if (!id) return MAPI_E_INVALID_ENTRYID;
  MessageRow row;
  HRESULT hr = connection_->Read([&] { return LookupMessage(connection_->db(), *id, row); });
  if (Failed(hr)) return hr;
  message = std::make_unique<Message>(connection_, *id);
  return S_OK;
}

HRESULT Session::CreateMsgStore(std::u16string_view display_name, const StoreOptions& options,
                                std::vector<uint8_t>& entry_id) {
  entry_id.clear();
  if (display_name.empty() || display_name.size() * 2 > kMaxPropertyBytes) {
    return MAPI_E_INVALID_PARAMETER;
  }
  EntryId id;
  HRESULT hr = connection_->Write([&] {
    return InsertStore(*connection_, display_name,
                       options.sender_address ? &*options.sender_address : nullptr,
                       options.flags ? &*options.flags : nullptr, false, id);
  });
  if (!Failed(hr)) entry_id = id.Encode();
  return hr;
}

}  // namespace platform::msgstore
