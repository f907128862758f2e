#include "messaging/SmsDeleteAllAction.h"

#include "messaging/SMSPanel.h"

void SmsDeleteAllAction::Execute() {
  panel_.DeleteConversation();
}
