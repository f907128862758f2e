// The contact-store session of the process: the store application object, logged on so that
// every creation, change and deletion of a contact reaches the main window as a message
// (0x8100..0x8107, the object id in wParam), with notifications of local and remote changes
// turned on for the contacts folder.
#pragma once

#include <memory>

#include "platform/ui/Window.h"

namespace platform::pim {
class PimApplication;
}

// Opens the store of the device profile and logs on for `main_window`. Null when the store
// cannot be opened; the program then runs from the contact cache alone.
std::unique_ptr<platform::pim::PimApplication> OpenContactStore(platform::ui::HWND main_window);
