#include "messaging/SmsToggleReadAction.h"

#include "messaging/SMSPanel.h"

void SmsToggleReadAction::Execute() {
  panel_.ToggleRead(sms_);
}
