// SendSMSAction: the send button's long-press action: sends the SMS screen's text.
#pragma once

#include "toolkit/Action.h"

class SMSPanel;

class SendSMSAction : public Action {
 public:
  explicit SendSMSAction(SMSPanel& panel) : panel_(panel) {}
  void Execute() override;

 private:
  SMSPanel& panel_;
};
