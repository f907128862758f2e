// SetPictureAction: "Set Pictures..." / "Remove pictures" of the detail screen's options.
// After the fade, a contact with a picture loses it; one without gets the file the platform's
// picture chooser returns, checked and stored (contacts/ContactPictureFile.h): a file that is
// too large or not a picture is refused with a message and nothing is stored. Either way the
// row's picture is read again and the screen filled anew; the menu disappears.
#pragma once

#include "toolkit/Action.h"

class ContactDetailPanel;

class SetPictureAction : public Action {
 public:
  explicit SetPictureAction(ContactDetailPanel& panel) : panel_(panel) {}

  void Execute() override;

 private:
  ContactDetailPanel& panel_;
};
