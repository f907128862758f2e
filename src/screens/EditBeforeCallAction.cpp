#include "screens/EditBeforeCallAction.h"

#include "contacts/ScreenNavigation.h"

EditBeforeCallAction::EditBeforeCallAction(const ContactListItem&, PhoneEntry number)
    : number_(std::move(number)) {}

void EditBeforeCallAction::Execute() {
  ScreenNavigation::ShowMainPanel(false);
  ScreenNavigation::OpenCallEdit(number_.number);
}
