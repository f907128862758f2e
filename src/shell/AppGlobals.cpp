#include "shell/AppGlobals.h"

#include "messaging/SMSPanel.h"
#include "screens/ContactContainerPanel.h"
#include "screens/ContactDetailPanel.h"
#include "shell/TextBoxProbe.h"
#include "toolkit/GestureControl.h"
#include "toolkit/SoftInputPanel.h"

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
  ResetTextBoxProbe();
  Slot().reset();
  ResetSoftInputPanel();
  Slot() = std::make_unique<AppGlobals>();
}

}  // namespace shell
