#include "shell/PlatformEditorProbe.h"

#include <string>

#include "contacts/ContactListItem.h"
#include "contacts/ContactSmartListControl.h"
#include "platform/ui/ScriptHooks.h"
#include "platform/ui/WindowManager.h"
#include "screens/ContactContainerPanel.h"
#include "shell/AppGlobals.h"

namespace shell {

namespace {

std::string EditHook(const std::u16string& name) {
  AppGlobals& app = App();
  auto* manager = platform::ui::WindowManager::Current();
  if (!app.list_screen || !manager) return "no contact list";
  ContactSmartListControl& list = app.list_screen->ContactList();
  for (IListItem* item : list.DisplayedItems()) {
    auto* row = dynamic_cast<ContactListItem*>(item);
    if (!row || row->display_name != name) continue;
    // The row may leave the list before the task runs: find it again then.
    manager->PostTask([name] {
      AppGlobals& now = App();
      if (!now.list_screen) return;
      ContactSmartListControl& rows = now.list_screen->ContactList();
      for (IListItem* again : rows.DisplayedItems()) {
        auto* contact = dynamic_cast<ContactListItem*>(again);
        if (contact && contact->display_name == name) {
          contact->EditInPlatform(rows, now.main_window);
          return;
        }
      }
    });
    return {};
  }
  return "no row of that name";
}

}  // namespace

void RegisterPlatformEditorProbe() {
  platform::ui::ScriptHooks::Instance().Add("edit", EditHook);
}

}  // namespace shell
