// FavoriteToggleAction: "Set as favorites" / "Remove from favorites" of the detail screen's
// options: the favourite mark is turned over in the store and on the row, the screen is
// filled again and the menu slides away.
#pragma once

#include "toolkit/Action.h"

class ContactDetailPanel;

class FavoriteToggleAction : public Action {
 public:
  explicit FavoriteToggleAction(ContactDetailPanel& panel) : panel_(panel) {}

  void Execute() override;

 private:
  ContactDetailPanel& panel_;
};
