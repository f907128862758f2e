#include "mapi/MAPIMessage.h"

#include <new>

#include "mapi/MAPIGetProperty.h"
#include "mapi/MAPITrace.h"
#include "platform/msgstore/Message.h"
#include "platform/msgstore/SmsDelivery.h"
#include "platform/msgstore/Table.h"

using platform::msgstore::Failed;
using platform::msgstore::PropRow;
using platform::msgstore::PropValue;

namespace {

// Named in diagnostics of message properties.
constexpr const char* kSourceFile = "mapi/MAPIMessage.cpp";

// The SetProps result of a sent SMS's flags: read, submitted, from me.
constexpr uint32_t kSentMessageFlags = MSGFLAG_READ | MSGFLAG_SUBMIT | MSGFLAG_FROMME;
constexpr uint32_t kSentMessageStatus = 0x00060000;

void TraceResult(const char* operation, HRESULT hr) {
  mapi::Trace(std::string(operation) + ": " + mapi::HexUpper(static_cast<uint32_t>(hr)) + "\n");
}

PropRow RecipientRow(const CMAPIRecipient& recipient) {
  return PropRow{PropValue::Long(PR_RECIPIENT_TYPE, recipient.recipient_type),
                 PropValue::String(PR_ADDRTYPE, recipient.address_type),
                 PropValue::String(PR_EMAIL_ADDRESS, recipient.address),
                 PropValue::String(PR_DISPLAY_NAME, recipient.display_name)};
}

}  // namespace

CMAPIMessage::CMAPIMessage(std::unique_ptr<platform::msgstore::Message> message)
    : message_(std::move(message)) {}

CMAPIMessage::~CMAPIMessage() = default;

std::u16string CMAPIMessage::GetString(uint32_t tag, const char* tag_name, int line) {
  if (!message_) return {};
  auto value = MAPIGetProperty(*message_, tag, tag_name, kSourceFile, line);
  return value ? std::move(value->str) : std::u16string();
}

std::u16string CMAPIMessage::GetSubject() {
  return GetString(PR_SUBJECT, "PR_SUBJECT", __LINE__);
}

std::u16string CMAPIMessage::GetSenderName() {
  return GetString(PR_SENDER_NAME, "PR_SENDER_NAME", __LINE__);
}

std::u16string CMAPIMessage::GetSenderEmailAddress() {
  return GetString(PR_SENDER_EMAIL_ADDRESS, "PR_SENDER_EMAIL_ADDRESS", __LINE__);
}

CMAPIEntry CMAPIMessage::GetEntryID() {
  CMAPIEntry entry;
  if (!message_) return entry;
  auto value = MAPIGetProperty(*message_, PR_ENTRYID, "PR_ENTRYID", kSourceFile, __LINE__);
  if (value) entry.entry_id = std::move(value->bin);
  return entry;
}

bool CMAPIMessage::GetTime(FileTime& time) {
  if (!message_) return false;
  auto value =
      MAPIGetProperty(*message_, PR_CREATION_TIME, "PR_CREATION_TIME", kSourceFile, __LINE__);
  if (!value) {
    value = MAPIGetProperty(*message_, PR_MESSAGE_DELIVERY_TIME, "PR_MESSAGE_DELIVERY_TIME",
                            kSourceFile, __LINE__);
  }
  if (!value) return false;
  time = value->ft;
  return true;
}

bool CMAPIMessage::IsRead() {
  if (!message_) return false;
  auto value =
      MAPIGetProperty(*message_, PR_MESSAGE_FLAGS, "PR_MESSAGE_FLAGS", kSourceFile, __LINE__);
  return value && (value->ul & MSGFLAG_READ) != 0;
}

bool CMAPIMessage::SetReadFlag(bool read) {
  if (!message_) return false;
  auto value =
      MAPIGetProperty(*message_, PR_MESSAGE_FLAGS, "PR_MESSAGE_FLAGS", kSourceFile, __LINE__);
  if (!value) return false;
  uint32_t flags = read ? (value->ul | MSGFLAG_READ) : (value->ul & ~MSGFLAG_READ);
  const PropValue values[] = {PropValue::Long(PR_MESSAGE_FLAGS, flags)};
  return !Failed(message_->SetProps(values));
}

bool CMAPIMessage::SetSubject(const std::u16string& text) {
  if (!message_) return false;
  const PropValue values[] = {PropValue::String(PR_MESSAGE_CLASS, u"IPM.SMStext"),
                              PropValue::String(PR_SUBJECT, text)};
  HRESULT hr = message_->SetProps(values);
  if (Failed(hr)) TraceResult("CMAPIMessage::SetSubject", hr);
  return !Failed(hr);
}

bool CMAPIMessage::SetMessageFlags() {
  if (!message_) return false;
  const PropValue values[] = {PropValue::Long(PR_MESSAGE_FLAGS, kSentMessageFlags),
                              PropValue::Long(PR_MSG_STATUS, kSentMessageStatus)};
  return !Failed(message_->SetProps(values));
}

bool CMAPIMessage::SetDeliveryTime(FileTime time) {
  if (!message_) return false;
  const PropValue values[] = {
      PropValue::Time(PR_MESSAGE_DELIVERY_TIME, time), PropValue::Time(PR_DELIVER_TIME, time),
      PropValue::Time(PR_CREATION_TIME, time), PropValue::Time(PR_RECEIPT_TIME, time)};
  HRESULT hr = message_->SetProps(values);
  if (Failed(hr)) TraceResult("CMAPIMessage::SetDeliveryTime", hr);
  return !Failed(hr);
}

bool CMAPIMessage::SetAwaitingDeliveryReport(uint32_t message_reference) {
  if (!message_) return false;
  const PropValue values[] = {
      PropValue::Long(platform::msgstore::PR_SMS_MESSAGE_REFERENCE, message_reference),
      PropValue::Long(platform::msgstore::PR_SMS_DELIVERY_STATUS,
                      platform::msgstore::kSmsDeliveryAwaiting)};
  HRESULT hr = message_->SetProps(values);
  if (Failed(hr)) TraceResult("CMAPIMessage::SetAwaitingDeliveryReport", hr);
  return !Failed(hr);
}

uint32_t CMAPIMessage::GetDeliveryStatus() {
  if (!message_) return 0;
  const uint32_t tags[] = {platform::msgstore::PR_SMS_DELIVERY_STATUS};
  PropRow values;
  if (message_->GetProps(tags, 0, values) != S_OK || values.empty() || values[0].IsError()) {
    return 0;
  }
  return values[0].ul;
}

bool CMAPIMessage::SetRecipients(const std::vector<CMAPIRecipient>& recipients) {
  if (!message_) return false;
  std::vector<PropRow> rows;
  try {
    rows.reserve(recipients.size());
    for (const CMAPIRecipient& recipient : recipients) rows.push_back(RecipientRow(recipient));
  } catch (const std::bad_alloc&) {
    return false;  // nothing reached the store
  }
  return !Failed(message_->ModifyRecipients(MODRECIP_ADD, rows));
}

bool CMAPIMessage::GetRecipients(std::vector<CMAPIRecipient>& recipients) {
  if (!message_) return false;
  std::unique_ptr<platform::msgstore::Table> table;
  if (Failed(message_->GetRecipientTable(0, table)) || !table) return false;
  static constexpr uint32_t kColumns[] = {PR_DISPLAY_NAME, PR_EMAIL_ADDRESS, PR_RECIPIENT_TYPE};
  table->SetColumns(kColumns, 0);
  recipients.clear();
  std::vector<PropRow> rows;
  while (!Failed(table->QueryRows(1, 0, rows)) && rows.size() == 1) {
    CMAPIRecipient recipient;
    recipient.recipient_type = 0;
    for (const PropValue& value : rows[0]) {
      if (value.tag == PR_DISPLAY_NAME) recipient.display_name = value.str;
      if (value.tag == PR_EMAIL_ADDRESS) recipient.address = value.str;
      if (value.tag == PR_RECIPIENT_TYPE) recipient.recipient_type = value.ul;
    }
    recipients.push_back(std::move(recipient));
  }
  return true;
}

bool CMAPIMessage::Save() {
  if (!message_) return false;
  HRESULT hr = message_->SaveChanges(0);
  if (Failed(hr)) TraceResult("CMAPIMessage::Save", hr);
  return !Failed(hr);
}
