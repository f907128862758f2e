#include "screens/FilterMenuAction.h"

#include "screens/FilterMenuPanel.h"

void FilterMenuAction::Execute() {
  menu_.Toggle();
}
