// What a modem hands over about one SMS, and what the phone's SMS transport does with it.
// Everything here is checked as hostile input: the modem's numbers, texts and timestamps
// come from the network.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/msgstore/SmsFiling.h"

namespace platform::modem {

// ModemManager's SMS states and PDU types.
inline constexpr uint32_t kSmsStateReceiving = 2;
inline constexpr uint32_t kSmsStateReceived = 3;
inline constexpr uint32_t kSmsStateSent = 5;
inline constexpr uint32_t kPduDeliver = 1;
inline constexpr uint32_t kPduSubmit = 2;
inline constexpr uint32_t kPduStatusReport = 3;

// The longest number and text taken from a modem; longer ones are cut (text) or refused
// (number). A text of 255 concatenated parts is far below the text limit.
inline constexpr size_t kMaxModemNumber = 64;
inline constexpr size_t kMaxModemText = 64 * 1024;

// The properties of one SMS object as read from the modem.
struct ModemSms {
  uint32_t state = 0;
  uint32_t pdu_type = 0;
  std::string number;     // UTF-8
  std::string text;       // UTF-8
  std::string timestamp;  // ISO 8601, may be empty
  uint32_t message_reference = 0;
  uint32_t delivery_state = 0;
};

enum class SmsAction {
  kFile,          // a complete received SMS: file it in the Inbox, then delete it
  kWait,          // parts are still arriving: leave it until it is complete or stale
  kStatusReport,  // a delivery report: mark the sent SMS it reports on, then delete it
  kIgnore,        // our own outgoing SMS, or nothing a phone files: leave it alone
};

SmsAction ClassifySms(const ModemSms& sms);

// The Inbox record of a complete received SMS: the sender's number (control characters
// refused, at most kMaxModemNumber units), the text (invalid UTF-8 replaced, cut at
// kMaxModemText units), unread, at the service centre's time, or at `now_unix_seconds`
// when the modem gave none or a malformed one. Nothing when the number is unusable.
std::optional<msgstore::SmsRecord> InboxRecord(const ModemSms& sms, int64_t now_unix_seconds);

// The number as a message store address: UTF-16, checked as InboxRecord checks it.
std::optional<std::u16string> ModemNumber(std::string_view utf8);

// What a status report's delivery state says about the SMS it reports on.
enum class DeliveryOutcome { kDelivered, kPending, kFailed };
DeliveryOutcome DeliveryOutcomeOf(uint32_t delivery_state);

}  // namespace platform::modem
