#include "screens/ClassicContactAction.h"

#include "platform/pimapps/PimApps.h"

void ClassicContactAction::Execute() {
  platform::pimapps::OpenContactsApplication(host_window_);
}
