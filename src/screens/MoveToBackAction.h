// MoveToBackAction: the detail screen's back button. While the note box is shown it flips back
// to the detail screen (the flip's start saves a changed note and hides the box); otherwise
// back to the list screen with the slide.
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
