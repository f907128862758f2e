#include "screens/MoveToBackAction.h"

#include "screens/ContactDetailPanel.h"
#include "screens/ScreenNavigation.h"

void MoveToBackAction::Execute() {
  (void)panel_;
  ScreenNavigation::ShowMainPanel(true);
}
