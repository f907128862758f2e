#include "screens/CancelAction.h"

#include "screens/ContactDetailPanel.h"

void CancelAction::Execute() {
  panel_.CloseOptionsMenu();
}
