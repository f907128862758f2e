// CallAction: the click action of a call button on the detail screen. The screen fades, the
// phone service places the call to the number with the contact's name as the called party,
// and after the pause the list screen comes back.
#pragma once

#include <string>

#include "toolkit/Action.h"

class ContactDetailPanel;

class CallAction : public Action {
 public:
  // `panel` owns the button that owns this action.
  CallAction(ContactDetailPanel& panel, std::u16string number, std::u16string display_name);

  void Execute() override;

  const std::u16string& Number() const { return number_; }

 private:
  ContactDetailPanel& panel_;
  std::u16string number_;
  std::u16string display_name_;
};
