#include "screens/IconFilterAction.h"

#include "screens/ContactContainerPanel.h"

void IconFilterAction::Execute() {
  screen_.FilterMenuCommand().Execute();
}
