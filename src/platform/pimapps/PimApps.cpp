// Until the platform's contact applications exist, every one reports that it could not be
// shown, and callers leave the contact as it was.
#include "platform/pimapps/PimApps.h"

namespace platform::pimapps {

EditOutcome EditItem(ui::HWND, pim::PimItem&) {
  return EditOutcome::kUnavailable;
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
