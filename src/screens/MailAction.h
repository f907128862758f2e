// MailAction: the click action of a mail button on the detail screen. The screen fades, the
// mail service opens a composition to "Name<address>", and after the pause the list screen
// comes back.
#pragma once

#include <string>

#include "toolkit/Action.h"

class ContactDetailPanel;

class MailAction : public Action {
 public:
  // `panel` owns the button that owns this action.
  MailAction(ContactDetailPanel& panel, std::u16string address, std::u16string display_name);

  void Execute() override;

  // The To text handed to the mail service.
  std::u16string ToText() const;

 private:
  ContactDetailPanel& panel_;
  std::u16string address_;
  std::u16string display_name_;
};
