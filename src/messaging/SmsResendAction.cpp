#include "messaging/SmsResendAction.h"

#include "messaging/SMSPanel.h"

void SmsResendAction::Execute() {
  panel_.PutBack(sms_);
}
