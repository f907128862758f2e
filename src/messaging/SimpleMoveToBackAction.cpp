#include "messaging/SimpleMoveToBackAction.h"

#include "contacts/ScreenNavigation.h"

void SimpleMoveToBackAction::Execute() {
  ScreenNavigation::ShowMainPanel(true);
}
