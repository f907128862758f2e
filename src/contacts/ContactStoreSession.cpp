#include "contacts/ContactStoreSession.h"

#include <string>

#include "platform/pim/PimApplication.h"
#include "platform/pim/PimFolder.h"
#include "platform/ui/WindowApi.h"

std::unique_ptr<platform::pim::PimApplication> OpenContactStore(platform::ui::HWND main_window) {
  using namespace platform::pim;
  std::string error;
  std::unique_ptr<PimApplication> store = PimApplication::Create(&error);
  if (!store) return nullptr;
  store->Logon([main_window](uint32_t message, uint32_t object_id) {
    platform::ui::PostMessage(main_window, message, object_id, 0);
  });
  if (auto folder = store->GetDefaultFolder(kFolderContacts)) {
    folder->SetProps(
        {PropertyValue::Number(kPropFolderNotifications, kNotifyLocal | kNotifyRemote)});
  }
  return store;
}
