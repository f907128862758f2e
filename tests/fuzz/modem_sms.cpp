// What a modem hands over about an SMS comes from the network: any state, PDU type, number,
// text and timestamp must be classified and turned into an Inbox record (or refused) without
// fault, and an accepted record must hold only what the store may keep.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/IsoTime.h"
#include "platform/modem/ModemSms.h"

using namespace platform::modem;

namespace {

// The next field: up to the next 0xFF byte (or the end).
std::string_view Field(std::string_view& rest) {
  const size_t end = rest.find('\xFF');
  std::string_view field = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  return field;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  ModemSms sms;
  sms.state = data[0] & 7;
  sms.pdu_type = data[1] & 0x3F;
  sms.delivery_state = data[2] == 0xFF ? 0x100u : data[2];
  std::string_view rest(reinterpret_cast<const char*>(data) + 3, size - 3);
  sms.timestamp = Field(rest);
  sms.number = Field(rest);
  sms.text = rest;

  const std::optional<int64_t> seconds = platform::ParseIsoTime(sms.timestamp);
  // Years 0000-9999 with a zone of less than a day either way.
  constexpr int64_t kFirst = -62167219200 - 86400, kLast = 253402300799 + 86400;
  if (seconds && (*seconds < kFirst || *seconds > kLast)) std::abort();

  const SmsAction action = ClassifySms(sms);
  (void)DeliveryOutcomeOf(sms.delivery_state);
  const auto record = InboxRecord(sms, 1700000000);
  if (!record) return 0;
  if (action == SmsAction::kIgnore && sms.pdu_type == kPduDeliver) std::abort();
  const std::u16string& number = record->sender_address;
  if (number.empty() || number.size() > kMaxModemNumber) std::abort();
  for (char16_t c : number) {
    if (c < 0x20 || c == 0x7F) std::abort();
  }
  const std::u16string& text = record->text;
  if (text.size() > kMaxModemText) std::abort();
  if (!text.empty() && (text.back() & 0xFC00) == 0xD800) std::abort();  // a split pair
  if (record->read || record->folder != 2) std::abort();
  return 0;
}
