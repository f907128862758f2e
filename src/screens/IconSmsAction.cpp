#include "screens/IconSmsAction.h"

#include "contacts/ScreenNavigation.h"

void IconSmsAction::Execute() {
  ScreenNavigation::ToggleSmsFilter();
}
