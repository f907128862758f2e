// Sending one SMS: through the phone's SMS service, with a copy filed in the SMS store's
// Sent items when the platform's messaging settings ask for one, and the conversation item
// that shows the result.
//
// The platform's messaging settings (HKEY_CURRENT_USER "Software\Microsoft\Inbox\Settings",
// DWORD values) are read at each send: "SMSDeliveryNotify" asks the network for a delivery
// report only when it is 1; "SaveSent" files the copy unless it is 0.
//
// UI thread: the send blocks until the service has answered.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class ContactListItem;
class SMSMessage;

using HRESULT = int32_t;

// Sends the text to the number: 0 on success, a negative code on failure. An empty number
// or text sends nothing and fails (SMS_E_INVALID_ADDRESS or SMS_E_INVALIDARG). When the
// service cannot be opened the user is told in a message box over the main window.
// `message_reference` (may be null) receives the network's reference of the SMS when the
// backend reports one.
HRESULT SmsSendText(const std::u16string& number, const std::u16string& text,
                    std::optional<uint32_t>* message_reference = nullptr);

// Sends and returns the item to append to the conversation (the caller owns it):
// - sent: the text, outgoing and read, stamped with the send time; when the Sent copy was
//   filed, the item carries its entry, so deleting the bubble deletes the copy too;
// - failed: the sending-error text with the code in hex, marked failed, nothing filed; the
//   text that did not go is kept on the item for a resend.
// `contact` (may be null) names the recipient of the Sent copy.
std::unique_ptr<SMSMessage> SendSms(const ContactListItem* contact, const std::u16string& text,
                                    const std::u16string& number);

// A send in two halves, for a backend that may block for seconds (a modem): the submission
// on a worker thread, which shows nothing, then the result on the UI thread. SendSms is both
// halves in one call.
struct SmsSendOutcome {
  HRESULT result = 0;
  bool service_unavailable = false;  // the service could not be opened
  bool report_asked = false;         // "SMSDeliveryNotify" as it was at the send
  std::optional<uint32_t> message_reference;
};
// Any thread: sends and reports what happened; tells the user nothing.
SmsSendOutcome SubmitSms(const std::u16string& number, const std::u16string& text);
// UI thread: tells the user when the service could not be opened, files the Sent copy of a
// sent SMS (addressed to `recipient_name`), and returns the item as SendSms does.
std::unique_ptr<SMSMessage> FinishSend(const std::u16string& recipient_name,
                                       const std::u16string& text, const std::u16string& number,
                                       const SmsSendOutcome& outcome);

// The two messaging settings as they are now.
bool DeliveryReportRequested();
bool SaveSentItems();
