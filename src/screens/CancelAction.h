// CancelAction: "Cancel" of the detail screen's options: the menu slides away.
#pragma once

#include "toolkit/Action.h"

class ContactDetailPanel;

class CancelAction : public Action {
 public:
  explicit CancelAction(ContactDetailPanel& panel) : panel_(panel) {}

  void Execute() override;

 private:
  ContactDetailPanel& panel_;
};
