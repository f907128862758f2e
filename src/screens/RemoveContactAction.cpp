#include "screens/RemoveContactAction.h"

#include "contacts/ScreenNavigation.h"
#include "platform/Messages.h"
#include "platform/pim/PimItem.h"
#include "platform/ui/WindowApi.h"
#include "screens/ContactDetailPanel.h"
#include "theme/LanguageText.h"
#include "theme/SettingManager.h"

void RemoveContactAction::Execute() {
  std::unique_ptr<platform::pim::PimItem> item = panel_.StoreItemOrLeave();
  if (!item) return;
  if (platform::ui::MessageBox(panel_.HostWindow(), theme::kTextConfirmRemoveContact,
                               theme::Settings().txt_RemoveContact,
                               MB_YESNO | MB_ICONEXCLAMATION) != IDYES) {
    panel_.CloseOptionsMenu();
    return;
  }
  // A contact deleted meanwhile by another process is gone either way.
  item->Delete();
  ScreenNavigation::ShowMainPanel(true);
  panel_.HideOptionsMenu();
}
