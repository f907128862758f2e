// SmsDeleteAction: "Delete this msg" of the SMS menu: the bubble and its stored SMS.
#pragma once

#include "toolkit/Action.h"

class SMSMessage;
class SMSPanel;

class SmsDeleteAction : public Action {
 public:
  SmsDeleteAction(SMSPanel& panel, SMSMessage& sms) : panel_(panel), sms_(sms) {}
  void Execute() override;

 private:
  SMSPanel& panel_;
  SMSMessage& sms_;
};
