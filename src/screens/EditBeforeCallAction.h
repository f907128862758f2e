// EditBeforeCallAction: the long press of a call button on the detail screen: back to the
// list screen without the slide, then the call edit panel over it with that number, so the
// user can change the number before calling.
#pragma once

#include "contacts/PhoneEntry.h"
#include "toolkit/Action.h"

class ContactListItem;

class EditBeforeCallAction : public Action {
 public:
  EditBeforeCallAction(const ContactListItem& contact, PhoneEntry number);

  void Execute() override;

 private:
  PhoneEntry number_;
};
