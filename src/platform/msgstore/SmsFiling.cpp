#include "platform/msgstore/SmsFiling.h"

#include "platform/Text.h"
#include "platform/msgstore/Folder.h"
#include "platform/msgstore/Message.h"
#include "platform/msgstore/MsgStore.h"
#include "platform/msgstore/Session.h"
#include "platform/msgstore/SmsRuleClients.h"
#include "platform/msgstore/SmsState.h"
#include "platform/msgstore/StoreConnection.h"
#include "platform/msgstore/Table.h"

namespace platform::msgstore {

namespace {

constexpr uint32_t kSentFlags = MSGFLAG_READ | MSGFLAG_SUBMIT | MSGFLAG_FROMME;
constexpr uint32_t kSentStatus = 0x00060000;

bool IsOutgoing(int folder) {
  return folder == kFolderOutbox || folder == kFolderSent;
}

PropRow RecordValues(const SmsRecord& record) {
  PropRow values{PropValue::String(PR_MESSAGE_CLASS, u"IPM.SMStext"),
                 PropValue::String(PR_SUBJECT, record.text)};
  for (uint32_t tag :
       {PR_MESSAGE_DELIVERY_TIME, PR_CREATION_TIME, PR_DELIVER_TIME, PR_RECEIPT_TIME}) {
    values.push_back(PropValue::Time(tag, record.time));
  }
  if (IsOutgoing(record.folder)) {
    values.push_back(PropValue::Long(PR_MESSAGE_FLAGS, kSentFlags));
    values.push_back(PropValue::Long(PR_MSG_STATUS, kSentStatus));
    return values;
  }
  values.push_back(PropValue::Long(PR_MESSAGE_FLAGS, record.read ? MSGFLAG_READ : 0));
  values.push_back(PropValue::String(PR_SENDER_EMAIL_ADDRESS, record.sender_address));
  if (!record.sender_name.empty()) {
    values.push_back(PropValue::String(PR_SENDER_NAME, record.sender_name));
  }
  return values;
}

std::vector<PropRow> RecipientRows(const SmsRecord& record) {
  std::vector<PropRow> rows;
  for (const SmsRecipient& recipient : record.recipients) {
    rows.push_back({PropValue::Long(PR_RECIPIENT_TYPE, MAPI_TO),
                    PropValue::String(PR_ADDRTYPE, u"SMS"),
                    PropValue::String(PR_EMAIL_ADDRESS, recipient.address),
                    PropValue::String(PR_DISPLAY_NAME, recipient.display_name)});
  }
  return rows;
}

HRESULT ReadStores(Session& session, std::vector<PropRow>& rows) {
  std::unique_ptr<Table> table;
  HRESULT hr = session.GetMsgStoresTable(0, table);
  if (Failed(hr)) return hr;
  const uint32_t columns[] = {PR_DISPLAY_NAME, PR_ENTRYID};
  table->SetColumns(columns, 0);
  return table->QueryRows(1 << 20, 0, rows);
}

HRESULT OpenFolderOf(Session& session, const std::vector<uint8_t>& store_id, int special,
                     std::unique_ptr<Folder>& folder) {
  std::unique_ptr<MsgStore> store;
  HRESULT hr = session.OpenMsgStore(store_id, 0, store);
  if (Failed(hr)) return hr;
  const uint32_t tags[] = {SpecialFolderTag(special)};
  PropRow values;
  hr = store->GetProps(tags, 0, values);
  if (hr != S_OK) return Failed(hr) ? hr : MAPI_E_NOT_FOUND;
  return store->OpenEntry(values[0].bin, MAPI_MODIFY, folder);
}

}  // namespace

HRESULT OpenSpecialFolder(Session& session, std::u16string_view store_name, int special,
                          std::unique_ptr<Folder>& folder) {
  folder.reset();
  if (SpecialFolderTag(special) == 0) return MAPI_E_INVALID_PARAMETER;
  std::vector<PropRow> rows;
  HRESULT hr = ReadStores(session, rows);
  if (Failed(hr)) return hr;
  for (const PropRow& row : rows) {
    if (row[0].IsError() || row[1].IsError()) continue;
    if (CompareOrdinalNoCase(row[0].str, store_name) == 0) {
      return OpenFolderOf(session, row[1].bin, special, folder);
    }
  }
  return MAPI_E_NOT_FOUND;
}

HRESULT FileSms(Folder& folder, const SmsRecord& record, std::vector<uint8_t>& entry_id) {
  entry_id.clear();
  std::unique_ptr<Message> message;
  HRESULT hr = folder.CreateMessage(0, message);
  if (!Failed(hr)) hr = message->SetProps(RecordValues(record));
  if (!Failed(hr) && IsOutgoing(record.folder)) {
    hr = message->ModifyRecipients(MODRECIP_ADD, RecipientRows(record));
  }
  if (!Failed(hr)) hr = message->SaveChanges(0);
  if (Failed(hr)) return hr;
  const uint32_t tags[] = {PR_ENTRYID};
  PropRow values;
  hr = message->GetProps(tags, 0, values);
  if (hr != S_OK) return Failed(hr) ? hr : MAPI_E_CALL_FAILED;
  entry_id = values[0].bin;
  return S_OK;
}

HRESULT ReceiveSms(const SmsRecord& record, std::vector<uint8_t>& entry_id) {
  entry_id.clear();
  std::unique_ptr<Session> session;
  std::unique_ptr<Folder> inbox;
  UnreadCountHold count_after_clients;
  HRESULT hr = Session::Logon(session);
  if (!Failed(hr)) hr = OpenSpecialFolder(*session, kSmsStoreName, kFolderInbox, inbox);
  if (!Failed(hr)) hr = FileSms(*inbox, record, entry_id);
  if (Failed(hr)) return hr;
  RunSmsRuleClients(entry_id, record.sender_address);
  return hr;
}

HRESULT FileSmsBatch(Folder& folder, const std::vector<SmsRecord>& records) {
  std::vector<Folder::NewMessage> messages;
  messages.reserve(records.size());
  for (const SmsRecord& record : records) {
    Folder::NewMessage message{record.folder, RecordValues(record), {}};
    if (IsOutgoing(record.folder)) message.recipients = RecipientRows(record);
    messages.push_back(std::move(message));
  }
  return folder.FileNewMessages(messages);
}

HRESULT DeleteAnywhere(Session& session, const std::vector<uint8_t>& entry_id) {
  std::unique_ptr<Message> message;
  HRESULT hr = session.OpenEntry(entry_id, 0, message);
  if (Failed(hr)) return hr;
  std::vector<PropRow> rows;
  hr = ReadStores(session, rows);
  if (Failed(hr)) return hr;
  for (const PropRow& row : rows) {
    for (int special = 0; special < kSpecialFolderCount && !row[1].IsError(); ++special) {
      std::unique_ptr<Folder> folder;
      if (Failed(OpenFolderOf(session, row[1].bin, special, folder))) continue;
      hr = folder->DeleteMessages({entry_id}, 0);
      if (hr == S_OK || Failed(hr)) return hr;
    }
  }
  return MAPI_E_NOT_FOUND;
}

}  // namespace platform::msgstore
