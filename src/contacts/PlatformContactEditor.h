// The contact rows' way into the platform's contact editor: the store behind the list, and
// the editor opened after the screen fade.
#pragma once

#include <string_view>

#include "platform/pimapps/PimApps.h"
#include "platform/ui/Window.h"

class ContactSmartListControl;
class SmartListControl;
namespace platform::pim {
class PimApplication;
class PimItem;
}  // namespace platform::pim

namespace PlatformContactEditor {

// The contact list's store, or null (with a trace naming `who`) when the list has none.
platform::pim::PimApplication* StoreOf(SmartListControl& list, std::string_view who);

// Fades `window` and runs the editor on `item`; traces the outcome under `who`.
platform::pimapps::EditOutcome Edit(platform::ui::HWND window, platform::pim::PimItem& item,
                                    std::string_view who);

}  // namespace PlatformContactEditor
