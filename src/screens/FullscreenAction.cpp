#include "screens/FullscreenAction.h"

#include "screens/ScreenNavigation.h"

void FullscreenAction::Execute() {
  ScreenNavigation::ToggleFullScreen();
}
