// SmsDeleteAllAction: "Delete conversation": asks, then deletes every SMS of the contact.
#pragma once

#include "toolkit/Action.h"

class SMSPanel;

class SmsDeleteAllAction : public Action {
 public:
  explicit SmsDeleteAllAction(SMSPanel& panel) : panel_(panel) {}
  void Execute() override;

 private:
  SMSPanel& panel_;
};
