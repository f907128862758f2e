#include "screens/MoveToBackAction.h"

#include "screens/ContactDetailPanel.h"
#include "screens/ScreenNavigation.h"

void MoveToBackAction::Execute() {
  if (panel_.NoteShown()) {
    ScreenNavigation::FlipTransition(0);
  } else {
    ScreenNavigation::ShowMainPanel(true);
  }
}
