// FilterMenuAction: the filter button's command. Opens the filter menu over the contact list
// with the genie, or closes it (from a folder: back to the root entries first). Held by the
// contact list screen; the menu belongs to the screen too.
#pragma once

#include "toolkit/Action.h"

class FilterMenuPanel;

class FilterMenuAction : public Action {
 public:
  explicit FilterMenuAction(FilterMenuPanel& menu) : menu_(menu) {}
  void Execute() override;

 private:
  FilterMenuPanel& menu_;
};
