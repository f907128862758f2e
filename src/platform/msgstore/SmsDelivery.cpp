#include "platform/msgstore/SmsDelivery.h"

#include <memory>
#include <string>
#include <vector>

#include "platform/msgstore/Folder.h"
#include "platform/msgstore/Message.h"
#include "platform/msgstore/PropValue.h"
#include "platform/msgstore/Session.h"
#include "platform/msgstore/SmsFiling.h"
#include "platform/msgstore/SmsState.h"
#include "platform/msgstore/StoreConnection.h"
#include "platform/msgstore/Table.h"

namespace platform::msgstore {

namespace {

// The newest Sent copies looked at: a report arrives within days, and references wrap every
// 256 SMS, so an older copy with the same reference is another SMS.
constexpr size_t kNewestSentRows = 1024;
constexpr size_t kSuffixDigits = 7;

std::u16string Digits(std::u16string_view number) {
  std::u16string digits;
  for (char16_t c : number) {
    if (c >= u'0' && c <= u'9') digits.push_back(c);
  }
  return digits;
}

bool SameNumber(std::u16string_view a, std::u16string_view b) {
  const std::u16string x = Digits(a), y = Digits(b);
  if (x.empty() || y.empty()) return false;
  if (x == y) return true;
  if (x.size() < kSuffixDigits || y.size() < kSuffixDigits) return false;
  return x.compare(x.size() - kSuffixDigits, kSuffixDigits, y, y.size() - kSuffixDigits,
                   kSuffixDigits) == 0;
}

bool AnyRecipientIs(Message& message, std::u16string_view number) {
  std::unique_ptr<Table> table;
  if (Failed(message.GetRecipientTable(0, table))) return false;
  const uint32_t columns[] = {PR_EMAIL_ADDRESS};
  std::vector<PropRow> rows;
  if (Failed(table->SetColumns(columns, 0)) || Failed(table->QueryRows(64, 0, rows))) {
    return false;
  }
  for (const PropRow& row : rows) {
    if (!row.empty() && !row[0].IsError() && SameNumber(row[0].str, number)) return true;
  }
  return false;
}

}  // namespace

bool MarkSmsDelivery(uint32_t message_reference, std::u16string_view number,
                     SmsDeliveryStatus status) {
  std::unique_ptr<Session> session;
  std::unique_ptr<Folder> sent;
  if (Failed(Session::Logon(session)) ||
      Failed(OpenSpecialFolder(*session, kSmsStoreName, kFolderSent, sent))) {
    return false;
  }
  const uint32_t columns[] = {PR_ENTRYID, PR_SMS_MESSAGE_REFERENCE, PR_SMS_DELIVERY_STATUS};
  std::vector<std::vector<uint8_t>> awaiting;  // newest first
  const HRESULT hr =
      sent->VisitNewestRows(columns, nullptr, kNewestSentRows, [&](const PropRow& row, auto) {
        if (row[0].IsError() || row[1].IsError() || row[2].IsError()) return;
        if (row[1].ul == message_reference && row[2].ul == kSmsDeliveryAwaiting) {
          awaiting.push_back(row[0].bin);
        }
      });
  if (Failed(hr)) return false;
  for (const std::vector<uint8_t>& entry_id : awaiting) {
    std::unique_ptr<Message> message;
    if (Failed(sent->OpenEntry(entry_id, 0, message)) || !AnyRecipientIs(*message, number)) {
      continue;
    }
    const PropValue values[] = {PropValue::Long(PR_SMS_DELIVERY_STATUS, status)};
    return !Failed(message->SetProps(values)) && !Failed(message->SaveChanges(0));
  }
  return false;
}

}  // namespace platform::msgstore
