#include "screens/FavoriteToggleAction.h"

#include "contacts/ContactListItem.h"
#include "contacts/ContactSmartListControl.h"
#include "platform/pim/PimItem.h"
#include "screens/ContactDetailPanel.h"

void FavoriteToggleAction::Execute() {
  ContactSmartListControl* list = panel_.ContactList();
  if (!list || !panel_.StoreItemOrLeave()) return;
  ContactListItem* contact = panel_.Contact();
  list->SetFavorite(*contact, !contact->favourite);
  panel_.SetContact(contact);
  panel_.CloseOptionsMenu();
}
