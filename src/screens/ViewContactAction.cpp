#include "screens/ViewContactAction.h"

#include "contacts/ContactRowNavigation.h"
#include "platform/pim/PimItem.h"
#include "platform/pimapps/PimApps.h"
#include "screens/ContactDetailPanel.h"

void ViewContactAction::Execute() {
  std::unique_ptr<platform::pim::PimItem> item = panel_.StoreItemOrLeave();
  if (!item) return;
  panel_.FadeBeforePlatform();
  if (!platform::pimapps::DisplayItem(panel_.HostWindow(), *item)) {
    ContactRowNavigation::Trace("ViewContactAction: no platform contact viewer");
  }
  panel_.HideOptionsMenu();
}
