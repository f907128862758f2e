#include "messaging/ChangeCurrentPhoneNumberAction.h"

#include "messaging/SMSPanel.h"

void ChangeCurrentPhoneNumberAction::Execute() {
  panel_.SetNumber(number_);
}
