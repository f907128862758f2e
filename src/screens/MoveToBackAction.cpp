#include "screens/MoveToBackAction.h"

#include "contacts/ScreenNavigation.h"
#include "screens/ContactDetailPanel.h"

void MoveToBackAction::Execute() {
  if (panel_.NoteShown()) {
    ScreenNavigation::FlipTransition(0);
  } else {
    ScreenNavigation::ShowMainPanel(true);
  }
}
