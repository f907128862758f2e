#include "messaging/SimpleMoveToBackAction.h"

#include "screens/ScreenNavigation.h"

void SimpleMoveToBackAction::Execute() {
  ScreenNavigation::ShowMainPanel(true);
}
