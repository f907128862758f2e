#include "screens/IconSmsAction.h"

#include "screens/ScreenNavigation.h"

void IconSmsAction::Execute() {
  ScreenNavigation::ToggleSmsFilter();
}
