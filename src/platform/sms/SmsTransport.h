// What lies behind an open SMS handle: one checked submission at a time, handed to the
// network of the device profile's backend. Submit may block until the network answers (a
// modem takes seconds); the simulated network answers at once.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/sms/SmsLength.h"
#include "platform/sms/SmsService.h"

namespace platform::sms {

struct SmsSubmission {
  std::u16string destination;  // as given in the address record
  uint32_t address_type = SMSAT_UNKNOWN;
  std::u16string text;
  SmsLength length;  // the alphabet and parts the text goes in
  bool status_report = false;
  uint32_t message_class = PS_MESSAGE_CLASS0;
};

// What the network answered to a submission it accepted.
struct SmsSubmitted {
  // The network's message reference of the (last part of the) SMS, when the transport
  // knows it: a delivery report names it.
  std::optional<uint32_t> message_reference;
};

class SmsTransport {
 public:
  virtual ~SmsTransport() = default;
  virtual HRESULT Submit(const SmsSubmission& submission, SmsSubmitted& submitted) = 0;
};

}  // namespace platform::sms
