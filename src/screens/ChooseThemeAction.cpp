#include "screens/ChooseThemeAction.h"

#include "screens/ScreenNavigation.h"

void ChooseThemeAction::Execute() {
  ScreenNavigation::ChangeTheme(theme_file_name_);
}
