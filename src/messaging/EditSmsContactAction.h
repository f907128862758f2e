// EditSmsContactAction: The add-contact button: the platform's editor on the sender.
#pragma once

#include "toolkit/Action.h"

class SMSPanel;

class EditSmsContactAction : public Action {
 public:
  explicit EditSmsContactAction(SMSPanel& panel) : panel_(panel) {}
  void Execute() override;

 private:
  SMSPanel& panel_;
};
