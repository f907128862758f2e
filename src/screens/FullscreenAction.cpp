#include "screens/FullscreenAction.h"

#include "contacts/ScreenNavigation.h"

void FullscreenAction::Execute() {
  ScreenNavigation::ToggleFullScreen();
}
