#include "screens/ChooseThemeAction.h"

#include "contacts/ScreenNavigation.h"

void ChooseThemeAction::Execute() {
  ScreenNavigation::ChangeTheme(theme_file_name_);
}
