#include "screens/EditContactAction.h"

#include "contacts/ContactListItem.h"
#include "contacts/ContactSmartListControl.h"
#include "platform/pim/PimItem.h"
#include "screens/ContactDetailPanel.h"

void EditContactAction::Execute() {
  ContactSmartListControl* list = panel_.ContactList();
  if (!list || !panel_.StoreItemOrLeave()) return;
  ContactListItem* contact = panel_.Contact();
  contact->EditInPlatform(*list, panel_.HostWindow());
  panel_.SetContact(contact);
  panel_.HideOptionsMenu();
}
