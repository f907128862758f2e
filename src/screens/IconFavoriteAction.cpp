#include "screens/IconFavoriteAction.h"

#include "contacts/ScreenNavigation.h"

void IconFavoriteAction::Execute() {
  ScreenNavigation::ToggleFavoriteFilter();
}
