#include "messaging/SmsDeleteAction.h"

#include "messaging/SMSPanel.h"

void SmsDeleteAction::Execute() {
  panel_.DeleteMessage(sms_);
}
