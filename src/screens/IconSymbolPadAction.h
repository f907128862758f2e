// IconSymbolPadAction: the phone button's long press. Opens the symbol pad directly above the
// icon bar, darkens the rest of the window once and presses the rightmost symbol, the one just
// above the held phone button, so that lifting the pen at once runs it and sliding runs
// another. While a pad is open a second one is not opened.
#pragma once

#include "toolkit/Action.h"

class ContactContainerPanel;
class IconPanel;

class IconSymbolPadAction : public Action {
 public:
  IconSymbolPadAction(IconPanel& bar, ContactContainerPanel& screen) : bar_(bar), screen_(screen) {}
  void Execute() override;

 private:
  IconPanel& bar_;
  ContactContainerPanel& screen_;
};
