// SmsToggleReadAction: "Mark as read" / "Mark as unread" of the SMS menu.
#pragma once

#include "toolkit/Action.h"

class SMSMessage;
class SMSPanel;

class SmsToggleReadAction : public Action {
 public:
  SmsToggleReadAction(SMSPanel& panel, SMSMessage& sms) : panel_(panel), sms_(sms) {}
  void Execute() override;

 private:
  SMSPanel& panel_;
  SMSMessage& sms_;
};
