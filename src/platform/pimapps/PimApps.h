// The phone platform's own contact applications, as the system reaches them: the contact
// item's modal edit and display operations (the contact editor and viewer), the shell's
// picture chooser, and the plain contacts application. Each is a modal platform window with
// its own message loop, like a message box: the caller's window gets no input while it is up.
//
// UI thread only.
#pragma once

#include <optional>
#include <string>

#include "platform/ui/Window.h"

namespace platform::pim {
class PimItem;
}

namespace platform::pimapps {

enum class EditOutcome {
  kSaved,        // OK: the item was saved (the store reports the change)
  kCancelled,    // Cancel, the back key or closing: nothing was saved
  kGone,         // the contact no longer exists: nothing was saved, the user was told
  kUnavailable,  // no editor could be shown
};

// The item's modal edit operation: the contact editor on `item`, a stored contact or a new
// one (object id 0; values already set on it, such as a mobile number, are shown prefilled).
// OK saves the item; only the fields the editor shows are written.
EditOutcome EditItem(ui::HWND owner, pim::PimItem& item);

// The item's modal display operation: the contact viewer, read only, with an Edit button
// that opens the editor. False when no viewer could be shown.
bool DisplayItem(ui::HWND owner, pim::PimItem& item);

// The shell's picture chooser: a modal grid of the device's pictures (PicturesFolder.h). The
// chosen file's path, or nothing when the user cancels.
std::optional<std::string> ChoosePicture(ui::HWND owner);

// Whether one of these windows still works in the background (the chooser's thumbnails).
bool BackgroundWorkRunning();

// The registry value (a string under HKEY_LOCAL_MACHINE kPlatformServicesKey) that names the
// program a desktop session starts as its contacts application.
inline constexpr char16_t kContactsProgramValue[] = u"ContactsProgram";

// Starts the contacts application: on a desktop session (the "Contacts" service is
// "desktop", the default of a real profile) the program named by kContactsProgramValue when
// there is one and it starts; otherwise the platform's own contacts list (ContactsListWindow),
// run modally. False when neither could be started.
bool OpenContactsApplication(ui::HWND owner);

}  // namespace platform::pimapps
