// IconFilterAction: the icon bar's filter button. The list screen owns the filter menu's
// command; the button runs it through the screen.
#pragma once

#include "toolkit/Action.h"

class ContactContainerPanel;

class IconFilterAction : public Action {
 public:
  explicit IconFilterAction(ContactContainerPanel& screen) : screen_(screen) {}
  void Execute() override;

 private:
  ContactContainerPanel& screen_;
};
