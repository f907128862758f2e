// The "new contact" row: construction and its tap, which creates a contact.
#include "contacts/NewContactListItem.h"

#include "contacts/ContactRowNavigation.h"
#include "contacts/PlatformContactEditor.h"
#include "platform/pim/PimApplication.h"
#include "platform/pim/PimItem.h"
#include "toolkit/SmartListControl.h"

NewContactListItem::NewContactListItem(std::u16string_view new_contact_text, int32_t row_height)
    : ContactListItem(row_height) {
  display_name = u"<";
  display_name += new_contact_text;
  display_name += u">";
  shown = true;
}

void NewContactListItem::OnClick(SmartListControl& list) {
  if (object_id == kNoObjectId) {
    EditInPlatform(list, list.HostWindow());
  } else {
    ContactListItem::OnClick(list);
  }
}

void NewContactListItem::EditInPlatform(SmartListControl& list, platform::ui::HWND window) {
  // The new contact reaches the list through the store's notification.
  platform::pim::PimApplication* store = PlatformContactEditor::StoreOf(list, "EditInPlatform");
  if (!store) return;
  std::unique_ptr<platform::pim::PimItem> item = store->CreateItem();
  PlatformContactEditor::Edit(window, *item, "EditInPlatform (new contact)");
}
