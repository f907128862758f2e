// RemoveContactAction: "Remove contact" of the detail screen's options. After a Yes to the
// confirmation the contact is deleted from the store and the list screen comes back (the row
// leaves the list through the store's notification); after a No the menu slides away.
#pragma once

#include "toolkit/Action.h"

class ContactDetailPanel;

class RemoveContactAction : public Action {
 public:
  explicit RemoveContactAction(ContactDetailPanel& panel) : panel_(panel) {}

  void Execute() override;

 private:
  ContactDetailPanel& panel_;
};
