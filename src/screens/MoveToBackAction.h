// MoveToBackAction: the detail screen's back button: back to the list screen with the slide.
#pragma once

#include "toolkit/Action.h"

class ContactDetailPanel;

class MoveToBackAction : public Action {
 public:
  explicit MoveToBackAction(ContactDetailPanel& panel) : panel_(panel) {}

  void Execute() override;

 private:
  ContactDetailPanel& panel_;
};
