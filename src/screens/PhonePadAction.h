// PhonePadAction: the icon bar's phone button. Shows the list screen's phone pad, sliding it
// up above the icon bar, and ends the contact list at the pad's top; or hides it, giving the
// list its room back, and slides it down out of sight.
#pragma once

#include "toolkit/Action.h"

class ContactContainerPanel;

class PhonePadAction : public Action {
 public:
  explicit PhonePadAction(ContactContainerPanel& screen) : screen_(screen) {}
  void Execute() override;

 private:
  ContactContainerPanel& screen_;
};
