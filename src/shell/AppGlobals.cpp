#include "shell/AppGlobals.h"

#include "messaging/SMSPanel.h"
#include "screens/ContactContainerPanel.h"
#include "screens/ContactDetailPanel.h"
#include "toolkit/GestureControl.h"

namespace shell {

namespace {

std::unique_ptr<AppGlobals>& Slot() {
  static std::unique_ptr<AppGlobals> globals = std::make_unique<AppGlobals>();
  return globals;
}

}  // namespace

AppGlobals& App() {
  return *Slot();
}

void ResetAppGlobals() {
  Slot().reset();
  Slot() = std::make_unique<AppGlobals>();
}

}  // namespace shell
