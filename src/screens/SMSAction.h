// SMSAction: the click action of an SMS button on the detail screen: the SMS screen for the
// contact and that number.
#pragma once

#include "contacts/PhoneEntry.h"
#include "toolkit/Action.h"

class ContactListItem;

class SMSAction : public Action {
 public:
  // The contact is the detail screen's record, alive while its buttons exist.
  SMSAction(ContactListItem& contact, PhoneEntry number);

  void Execute() override;

 private:
  ContactListItem& contact_;
  PhoneEntry number_;
};
