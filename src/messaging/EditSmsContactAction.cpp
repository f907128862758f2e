#include "messaging/EditSmsContactAction.h"

#include "messaging/SMSPanel.h"

void EditSmsContactAction::Execute() {
  panel_.AddSenderAsContact();
}
