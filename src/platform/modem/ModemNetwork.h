// The modem backend of the SMS service: each submission is created on the first modem with
// messaging that ModemManager knows (number, text, and a delivery report request when asked
// for), sent, and deleted from the modem once the network has answered, so the modem's
// memory does not fill with our own SMS. ModemManager chooses the alphabet and cuts long
// texts into parts itself.
//
// A submission blocks the calling thread until the modem answers (seconds on a real modem);
// its calls run in a main context of their own, so nothing else of the thread is dispatched
// meanwhile. No modem, no ModemManager or no system bus: SMS_E_NO_NETWORK; a modem that
// refuses the SMS: SMS_E_SEND_FAILED. Nothing is kept to be sent later.
#pragma once

#include <memory>

#include "platform/sms/SmsTransport.h"

namespace platform::modem {

std::unique_ptr<sms::SmsTransport> OpenModemNetwork();

}  // namespace platform::modem
