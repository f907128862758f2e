#include "screens/SetPictureAction.h"

#include <optional>
#include <string>

#include "contacts/ContactListItem.h"
#include "contacts/ContactPictureFile.h"
#include "contacts/ContactSmartListControl.h"
#include "platform/Messages.h"
#include "platform/pim/PimItem.h"
#include "platform/pimapps/PimApps.h"
#include "platform/ui/WindowApi.h"
#include "screens/ContactDetailPanel.h"

void SetPictureAction::Execute() {
  std::unique_ptr<platform::pim::PimItem> item = panel_.StoreItemOrLeave();
  if (!item) return;
  ContactListItem* contact = panel_.Contact();
  const platform::ui::HWND host = panel_.HostWindow();
  panel_.FadeBeforePlatform();
  if (panel_.HasPicture()) {
    RemovePictureStream(*item);
  } else if (std::optional<std::string> path = platform::pimapps::ChoosePicture(host)) {
    const PictureFileResult result = CopyFileIntoPictureStream(*item, *path);
    if (result != PictureFileResult::kStored) {
      platform::ui::MessageBox(host, PictureFileMessage(result), u"Quillbook",
                               MB_OK | MB_ICONEXCLAMATION);
    }
  }
  if (ContactSmartListControl* list = panel_.ContactList()) list->LoadContactPicture(*contact);
  panel_.SetContact(contact);
}
