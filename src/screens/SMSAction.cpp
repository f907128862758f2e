#include "screens/SMSAction.h"

#include "contacts/ContactRowNavigation.h"

SMSAction::SMSAction(ContactListItem& contact, PhoneEntry number)
    : contact_(contact), number_(std::move(number)) {}

void SMSAction::Execute() {
  ContactRowNavigation::ShowSms(contact_, number_);
}
