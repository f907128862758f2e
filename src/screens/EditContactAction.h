// EditContactAction: "Edit Contact..." of the detail screen's options: the contact in the
// platform's editor (the row's EditInPlatform, which reloads the row), then the screen is
// filled again; the menu disappears.
#pragma once

#include "toolkit/Action.h"

class ContactDetailPanel;

class EditContactAction : public Action {
 public:
  explicit EditContactAction(ContactDetailPanel& panel) : panel_(panel) {}

  void Execute() override;

 private:
  ContactDetailPanel& panel_;
};
