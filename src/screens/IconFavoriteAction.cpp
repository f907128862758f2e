#include "screens/IconFavoriteAction.h"

#include "screens/ScreenNavigation.h"

void IconFavoriteAction::Execute() {
  ScreenNavigation::ToggleFavoriteFilter();
}
