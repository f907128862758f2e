// Delivery reports of sent SMS. A sent SMS for which a report was asked keeps the network's
// message reference on its Sent copy; the phone's SMS transport marks the copy when the
// network's status report arrives.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/msgstore/MapiDefs.h"

namespace platform::msgstore {

// The reference (0-255) and the state of the report: awaiting until the report arrives, then
// delivered or not delivered.
inline constexpr uint32_t PR_SMS_MESSAGE_REFERENCE = PROP_TAG(PT_LONG, 0x8201);
inline constexpr uint32_t PR_SMS_DELIVERY_STATUS = PROP_TAG(PT_LONG, 0x8202);
enum SmsDeliveryStatus : uint32_t {
  kSmsDeliveryAwaiting = 1,
  kSmsDeliveryDelivered = 2,
  kSmsDeliveryFailed = 3,
};

// Marks the Sent copy a status report is about: the newest copy still awaiting its report
// with that message reference whose recipient is `number` (the same digits, or the same last
// seven digits where one side carries a country or trunk prefix the other lacks). False
// when no copy matches: a report for an SMS this phone did not keep, or a stale reference.
bool MarkSmsDelivery(uint32_t message_reference, std::u16string_view number,
                     SmsDeliveryStatus status);

}  // namespace platform::msgstore
