// ViewContactAction: "View Contact..." of the detail screen's options: the platform's contact
// viewer on the contact, after the fade; the menu disappears.
#pragma once

#include "toolkit/Action.h"

class ContactDetailPanel;

class ViewContactAction : public Action {
 public:
  explicit ViewContactAction(ContactDetailPanel& panel) : panel_(panel) {}

  void Execute() override;

 private:
  ContactDetailPanel& panel_;
};
