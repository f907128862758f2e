// SmsResendAction: "Resend" of the SMS menu: the bubble's text back into the text box (it
// does not send; holding the send button does).
#pragma once

#include "toolkit/Action.h"

class SMSMessage;
class SMSPanel;

class SmsResendAction : public Action {
 public:
  SmsResendAction(SMSPanel& panel, SMSMessage& sms) : panel_(panel), sms_(sms) {}
  void Execute() override;

 private:
  SMSPanel& panel_;
  SMSMessage& sms_;
};
