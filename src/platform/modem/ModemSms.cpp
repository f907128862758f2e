#include "platform/modem/ModemSms.h"

#include "platform/IsoTime.h"
#include "platform/Text.h"
#include "platform/msgstore/MapiDefs.h"

namespace platform::modem {

namespace {

// A CDMA network's deliver PDU: received text, filed like a GSM deliver.
constexpr uint32_t kPduCdmaDeliver = 32;

}  // namespace

SmsAction ClassifySms(const ModemSms& sms) {
  switch (sms.pdu_type) {
    case kPduDeliver:
    case kPduCdmaDeliver:
      // A multipart SMS is announced with its first part; it is complete once received.
      return sms.state == kSmsStateReceived ? SmsAction::kFile : SmsAction::kWait;
    case kPduStatusReport:
      return SmsAction::kStatusReport;
    default:
      return SmsAction::kIgnore;
  }
}

std::optional<std::u16string> ModemNumber(std::string_view utf8) {
  if (utf8.empty() || utf8.size() > 4 * kMaxModemNumber) return {};
  std::u16string number = FromUtf8(utf8);
  if (number.size() > kMaxModemNumber) return {};
  for (char16_t c : number) {
    // Control characters, and U+FFFD from bytes that were not UTF-8, make no address.
    if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0) || c == 0xFFFD) return {};
  }
  return number;
}

std::optional<msgstore::SmsRecord> InboxRecord(const ModemSms& sms, int64_t now_unix_seconds) {
  std::optional<std::u16string> sender = ModemNumber(sms.number);
  if (!sender) return {};
  msgstore::SmsRecord record;
  record.folder = 2;
  record.sender_address = std::move(*sender);
  // Convert at most what can be kept (a UTF-16 unit never takes fewer than one byte), then
  // cut at the limit without splitting a surrogate pair.
  record.text = FromUtf8(std::string_view(sms.text).substr(0, 4 * kMaxModemText));
  if (record.text.size() > kMaxModemText) {
    size_t cut = kMaxModemText;
    if ((record.text[cut - 1] & 0xFC00) == 0xD800) --cut;
    record.text.resize(cut);
  }
  const std::optional<int64_t> sent_at = ParseIsoTime(sms.timestamp);
  record.time = msgstore::FileTimeFromUnixSeconds(sent_at.value_or(now_unix_seconds));
  record.read = false;
  return record;
}

DeliveryOutcome DeliveryOutcomeOf(uint32_t delivery_state) {
  if (delivery_state <= 0x02) return DeliveryOutcome::kDelivered;
  // Permanent errors (0x40...) and temporary ones the centre gave up on (0x60...).
  if (delivery_state >= 0x40 && delivery_state <= 0x7F) return DeliveryOutcome::kFailed;
  // Still trying (0x20...), the unknown state (0x100) and values no network sends: nothing
  // is known yet.
  return DeliveryOutcome::kPending;
}

}  // namespace platform::modem
