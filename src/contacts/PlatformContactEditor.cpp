#include "contacts/PlatformContactEditor.h"

#include <string>

#include "contacts/ContactRowNavigation.h"
#include "contacts/ContactSmartListControl.h"

namespace PlatformContactEditor {

namespace {

const char* OutcomeName(platform::pimapps::EditOutcome outcome) {
  using platform::pimapps::EditOutcome;
  switch (outcome) {
    case EditOutcome::kSaved:
      return "saved";
    case EditOutcome::kCancelled:
      return "cancelled";
    case EditOutcome::kGone:
      return "contact gone";
    case EditOutcome::kUnavailable:
      return "no editor";
  }
  return "?";
}

}  // namespace

platform::pim::PimApplication* StoreOf(SmartListControl& list, std::string_view who) {
  auto* contacts = dynamic_cast<ContactSmartListControl*>(&list);
  platform::pim::PimApplication* store = contacts ? contacts->Store() : nullptr;
  if (!store) ContactRowNavigation::Trace(std::string(who) + ": no contact store");
  return store;
}

platform::pimapps::EditOutcome Edit(platform::ui::HWND window, platform::pim::PimItem& item,
                                    std::string_view who) {
  ContactRowNavigation::FadeScreenBeforeEditor(window);
  const platform::pimapps::EditOutcome outcome = platform::pimapps::EditItem(window, item);
  ContactRowNavigation::Trace(std::string(who) + ": " + OutcomeName(outcome));
  return outcome;
}

}  // namespace PlatformContactEditor
