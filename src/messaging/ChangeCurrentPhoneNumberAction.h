// ChangeCurrentPhoneNumberAction: "Choose Phone Number": the next SMS goes to another number of the
// contact.
#pragma once

#include <utility>

#include "contacts/PhoneEntry.h"
#include "toolkit/Action.h"

class SMSPanel;

class ChangeCurrentPhoneNumberAction : public Action {
 public:
  ChangeCurrentPhoneNumberAction(SMSPanel& panel, PhoneEntry number)
      : panel_(panel), number_(std::move(number)) {}
  void Execute() override;

 private:
  SMSPanel& panel_;
  PhoneEntry number_;
};
