#include "screens/FilterChoice.h"

#include "contacts/ContactSmartListControl.h"
#include "contacts/ScreenNavigation.h"
#include "toolkit/ISmartListFilter.h"

void FilterChoice::OnClick(SmartListControl&) {
  ContactSmartListControl* contacts = ContactList();
  if (contacts == nullptr) return;
  contacts->SetFilter(CreateFilter().release());
  contacts->visible = true;
  // Hides the filter menu and slides the filtered list in.
  ScreenNavigation::ShowMainPanel(true);
}
