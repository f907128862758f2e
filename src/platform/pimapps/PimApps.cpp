#include "platform/pimapps/PimApps.h"

#include <algorithm>
#include <span>

#include "platform/Imaging.h"
#include "platform/ServiceBackend.h"
#include "platform/Text.h"
#include "platform/pim/PimApplication.h"
#include "platform/pim/PimItem.h"
#include "platform/pim/PimStream.h"
#include "platform/pimapps/ContactEditorWindow.h"
#include "platform/pimapps/ContactForm.h"
#include "platform/pimapps/ContactViewerWindow.h"
#include "platform/pimapps/ContactsListWindow.h"
#include "platform/pimapps/PictureChooserWindow.h"
#include "platform/pimapps/PicturesFolder.h"
#include "platform/registry/Registry.h"
#include "platform/shellexec/ProgramStarter.h"
#include "platform/ui/WindowManager.h"

namespace platform::pimapps {

namespace {

// The contact's picture scaled to fit `side` pixels; null when it has none or it does not
// decode.
std::unique_ptr<Surface> LoadPicture(pim::PimItem& item, int side) {
  std::unique_ptr<pim::PimStream> stream;
  if (item.Oid() == 0 ||
      item.OpenProperty(pim::kPropPicture, pim::kAccessRead, &stream) != pim::PimResult::kOk ||
      !stream || stream->Size() == 0 || stream->Size() > pim::kMaxPictureBytes) {
    return nullptr;
  }
  std::vector<uint8_t> bytes(static_cast<size_t>(stream->Size()));
  size_t read = 0;
  if (stream->Read(bytes.data(), bytes.size(), &read) != pim::PimResult::kOk) return nullptr;
  bytes.resize(read);
  std::unique_ptr<Surface> image = DecodeImage(std::span<const uint8_t>(bytes));
  if (!image) return nullptr;
  const int w = image->Width(), h = image->Height();
  if (w <= side && h <= side) return image;
  const int long_side = std::max(w, h);
  return ScaleImage(*image, std::max(1, w * side / long_side), std::max(1, h * side / long_side));
}

}  // namespace

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

bool DisplayItem(ui::HWND owner, pim::PimItem& item) {
  ui::WindowManager* manager = ui::WindowManager::Current();
  if (!manager) return false;
  ContactForm form;
  if (!form.Load(item)) {
    manager->MessageBox(owner, u"This contact no longer exists.", u"Contacts", MB_OK);
    return true;
  }
  const int side = ContactViewerWindow::PictureSide(manager->ScreenSize());
  ContactViewerWindow window(*manager, form, LoadPicture(item, side));
  while (window.Run() == ContactViewerWindow::Choice::kEdit) {
    const EditOutcome outcome = EditItem(owner, item);
    if (outcome == EditOutcome::kGone || !form.Load(item)) break;
    window.Reload(LoadPicture(item, side));
  }
  return true;
}

std::optional<std::string> ChoosePicture(ui::HWND) {
  ui::WindowManager* manager = ui::WindowManager::Current();
  if (!manager) return std::nullopt;
  PictureChooserWindow window(*manager, PicturesFolder());
  return window.Run();
}

bool BackgroundWorkRunning() {
  return PictureThumbnailsLoading();
}

namespace {

// The program the device profile names under "ContactsProgram" (an absolute path, or a name
// looked up on PATH; no arguments, no shell), started on a desktop session. False when none is
// named or it could not be started.
bool StartContactsProgram() {
  if (ReadServiceBackend(PlatformService::kContacts) != ServiceBackend::kDesktop) return false;
  const std::optional<std::u16string> value =
      ReadRegistryString(HKEY_LOCAL_MACHINE, kPlatformServicesKey, kContactsProgramValue);
  if (!value) return false;
  const std::string named = ToUtf8(Trim(*value));
  if (named.empty()) return false;
  std::optional<std::string> program;
  if (named.front() == '/') {
    program = named;
  } else if (named.find('/') == std::string::npos) {
    program = shellexec::FindOnPath(named);
  }
  return program && shellexec::StartProgram({*program}, {});
}

}  // namespace

bool OpenContactsApplication(ui::HWND owner) {
  if (StartContactsProgram()) return true;
  ui::WindowManager* manager = ui::WindowManager::Current();
  if (!manager) return false;
  std::string error;
  std::unique_ptr<pim::PimApplication> store = pim::PimApplication::Create(&error);
  if (!store) {
    manager->MessageBox(owner, u"The contacts could not be opened.", u"Contacts", MB_OK);
    return false;
  }
  ContactsListWindow window(*manager, *store);
  window.Run();
  return true;
}

}  // namespace platform::pimapps
