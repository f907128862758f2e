// The contact editor is the platform's own; the viewer, the picture chooser and the contacts
// application are not built yet: they report that they could not be shown, and callers leave
// the contact as it was.
#include "platform/pimapps/PimApps.h"

#include "platform/pim/PimItem.h"
#include "platform/pimapps/ContactEditorWindow.h"
#include "platform/pimapps/ContactForm.h"
#include "platform/ui/WindowManager.h"

namespace platform::pimapps {

EditOutcome EditItem(ui::HWND owner, pim::PimItem& item) {
  ui::WindowManager* manager = ui::WindowManager::Current();
  ContactForm form;
  if (!manager) return EditOutcome::kUnavailable;
  if (!form.Load(item)) {
    manager->MessageBox(owner, u"This contact no longer exists.", u"Contacts", MB_OK);
    return EditOutcome::kGone;
  }
  ContactEditorWindow window(*manager, form, item.Oid() == 0 ? u"New contact" : u"Edit contact");
  EditOutcome outcome = EditOutcome::kCancelled;
  const bool ok = window.Run([&] {
    switch (form.Save(item)) {
      case FormSaveResult::kSaved:
        outcome = EditOutcome::kSaved;
        return true;
      case FormSaveResult::kNothingToSave:
        return true;
      case FormSaveResult::kGone:
        manager->MessageBox(owner, u"This contact no longer exists. Nothing was saved.",
                            u"Contacts", MB_OK);
        outcome = EditOutcome::kGone;
        return true;
      case FormSaveResult::kFailed:
        manager->MessageBox(owner, u"The contact could not be saved.", u"Contacts", MB_OK);
        return false;
    }
    return false;
  });
  return ok ? outcome : EditOutcome::kCancelled;
}

bool DisplayItem(ui::HWND, pim::PimItem&) {
  return false;
}

std::optional<std::string> ChoosePicture(ui::HWND) {
  return std::nullopt;
}

bool OpenContactsApplication(ui::HWND) {
  return false;
}

}  // namespace platform::pimapps
