// An opened or new message and the few properties an SMS needs. The SMS text is the subject
// (PR_SUBJECT); there is no body. Getters return their empty value (empty text, empty entry,
// false) when the property is absent or cannot be read.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "mapi/MAPIEntry.h"
#include "mapi/MAPIRecipient.h"

namespace platform::msgstore {
class Message;
}

class CMAPIMessage {
 public:
  explicit CMAPIMessage(std::unique_ptr<platform::msgstore::Message> message);
  ~CMAPIMessage();
  CMAPIMessage(const CMAPIMessage&) = delete;
  CMAPIMessage& operator=(const CMAPIMessage&) = delete;

  std::u16string GetSubject();
  std::u16string GetSenderName();
  std::u16string GetSenderEmailAddress();
  // An entry holding only the entry id (empty before the message is saved).
  CMAPIEntry GetEntryID();
  // PR_CREATION_TIME, else PR_MESSAGE_DELIVERY_TIME; false when neither can be read.
  bool GetTime(FileTime& time);
  bool IsRead();

  // Sets or clears the read bit of PR_MESSAGE_FLAGS, keeping the other bits. Does nothing
  // (and returns false) when the flags cannot be read.
  bool SetReadFlag(bool read);
  // Message class "IPM.SMStext" and the text as subject, in one write.
  bool SetSubject(const std::u16string& text);
  // The flags and status of a sent SMS: read, submitted, from me.
  bool SetMessageFlags();
  // The time in all four time properties.
  bool SetDeliveryTime(FileTime time);
  // The network's message reference of a sent SMS awaiting its delivery report.
  bool SetAwaitingDeliveryReport(uint32_t message_reference);
  // The state of its delivery report (SmsDeliveryStatus), 0 when none was asked for.
  uint32_t GetDeliveryStatus();
  // Adds the recipients in one call (an empty sequence adds none and succeeds).
  bool SetRecipients(const std::vector<CMAPIRecipient>& recipients);
  // Display name, address and type of each recipient; the address type stays empty.
  bool GetRecipients(std::vector<CMAPIRecipient>& recipients);
  bool Save();

 private:
  std::u16string GetString(uint32_t tag, const char* tag_name, int line);

  std::unique_ptr<platform::msgstore::Message> message_;
};
