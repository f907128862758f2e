#include "shell/BackgroundWork.h"

#include "contacts/ContactSmartListControl.h"
#include "messaging/SMSPanel.h"
#include "platform/pimapps/PimApps.h"
#include "screens/ContactContainerPanel.h"
#include "shell/AppGlobals.h"

namespace shell {

bool BackgroundWorkRunning() {
  const AppGlobals& app = App();
  if (app.counter && app.counter->Running()) return true;
  if (platform::pimapps::BackgroundWorkRunning()) return true;
  if (app.scripts_wait_for_sends && app.sms_screen && app.sms_screen->SendPending()) return true;
  return app.list_screen && app.list_screen->ContactList().IsLoading();
}

}  // namespace shell
