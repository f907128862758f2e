#include "messaging/SendSMSAction.h"

#include "messaging/SMSPanel.h"

void SendSMSAction::Execute() {
  panel_.Send();
}
