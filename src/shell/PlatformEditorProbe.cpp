#include "shell/PlatformEditorProbe.h"

#include <functional>
#include <memory>
#include <string>

#include "contacts/ContactListItem.h"
#include "contacts/ContactSmartListControl.h"
#include "contacts/PlatformContactEditor.h"
#include "platform/pim/PimApplication.h"
#include "platform/pim/PimItem.h"
#include "platform/pimapps/PimApps.h"
#include "platform/ui/ScriptHooks.h"
#include "platform/ui/WindowManager.h"
#include "screens/ContactContainerPanel.h"
#include "shell/AppGlobals.h"

namespace shell {

namespace {

// Runs `open` on the list row of that display name, from a posted task (the hook returns
// before the modal window's loop starts). The row may leave the list before the task runs:
// it is looked up again then.
std::string OnRow(const std::u16string& name,
                  std::function<void(ContactSmartListControl&, ContactListItem&)> open) {
  AppGlobals& app = App();
  auto* manager = platform::ui::WindowManager::Current();
  if (!app.list_screen || !manager) return "no contact list";
  ContactSmartListControl& list = app.list_screen->ContactList();
  for (IListItem* item : list.DisplayedItems()) {
    auto* row = dynamic_cast<ContactListItem*>(item);
    if (!row || row->display_name != name) continue;
    manager->PostTask([name, open] {
      AppGlobals& now = App();
      if (!now.list_screen) return;
      ContactSmartListControl& rows = now.list_screen->ContactList();
      for (IListItem* again : rows.DisplayedItems()) {
        auto* contact = dynamic_cast<ContactListItem*>(again);
        if (contact && contact->display_name == name) {
          open(rows, *contact);
          return;
        }
      }
    });
    return {};
  }
  return "no row of that name";
}

std::string EditHook(const std::u16string& name) {
  return OnRow(name, [](ContactSmartListControl& rows, ContactListItem& contact) {
    contact.EditInPlatform(rows, App().main_window);
  });
}

std::string ViewHook(const std::u16string& name) {
  return OnRow(name, [](ContactSmartListControl& rows, ContactListItem& contact) {
    platform::pim::PimApplication* store = PlatformContactEditor::StoreOf(rows, "test view");
    if (!store || contact.object_id == ContactListItem::kNoObjectId) return;
    if (std::unique_ptr<platform::pim::PimItem> item = store->GetItemFromOid(contact.object_id)) {
      platform::pimapps::DisplayItem(App().main_window, *item);
    }
  });
}

// Opens the picture chooser as the detail screen's picture action does, without storing the
// choice.
std::string PicturesHook(const std::u16string&) {
  auto* manager = platform::ui::WindowManager::Current();
  if (!manager) return "no window manager";
  manager->PostTask([] { platform::pimapps::ChoosePicture(App().main_window); });
  return {};
}

// Starts the contacts application, as the icon bar's symbol pad will.
std::string ContactsHook(const std::u16string&) {
  auto* manager = platform::ui::WindowManager::Current();
  if (!manager) return "no window manager";
  manager->PostTask([] { platform::pimapps::OpenContactsApplication(App().main_window); });
  return {};
}

}  // namespace

void RegisterPlatformEditorProbe() {
  platform::ui::ScriptHooks::Instance().Add("edit", EditHook);
  platform::ui::ScriptHooks::Instance().Add("view", ViewHook);
  platform::ui::ScriptHooks::Instance().Add("pictures", PicturesHook);
  platform::ui::ScriptHooks::Instance().Add("contacts", ContactsHook);
}

}  // namespace shell
