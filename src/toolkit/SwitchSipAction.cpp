#include "toolkit/SwitchSipAction.h"

#include "toolkit/SoftInputPanel.h"

void SwitchSipAction::Execute() {
  SwitchInputPanel(clsid_);
}
