#include "screens/IconFilterAction.h"

#include "screens/ContactContainerPanel.h"

void IconFilterAction::Execute() {
  if (Action* action = screen_.FilterAction()) action->Execute();
}
