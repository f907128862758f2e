// Switching between the contact list, detail and SMS screens on behalf of the rows and the
// icon bar, and the two filter toggles of the list screen. UI thread only.
#pragma once

#include "contacts/PhoneEntry.h"
#include "platform/ui/Window.h"

class IListItem;

namespace shell {

// For a contact row: the detail screen becomes the visible screen and slides in over the
// whole client area. Other rows (and null) are ignored.
void ShowDetailPanel(platform::ui::HWND hwnd, IListItem* item);
// For a contact row: the SMS screen becomes the visible screen for that row and `number`
// and flips in. Other rows (and null) are ignored.
void ShowSmsPanel(platform::ui::HWND hwnd, IListItem* item, PhoneEntry number);
// While the list screen is visible: the SMS filter, or the all-contacts filter when the SMS
// filter is set already. Then back to the list screen. A press on the index strip is dropped
// first.
void ToggleSmsFilter(platform::ui::HWND hwnd);
// The same with the favourites filter.
void ToggleFavoriteFilter(platform::ui::HWND hwnd);

// The swipe across the screen: back to all contacts when another filter is set, otherwise
// the favourites toggle; either way the list screen is shown.
void SwipeAcrossScreen(platform::ui::HWND hwnd);
// The quick tap in the top-right corner: minimises the program, list screen shown.
void MinimiseFromCorner(platform::ui::HWND hwnd);

// Lets tapped contact rows open the detail and SMS screens of the main window `hwnd`, and
// the screens go back to the list screen and run the page flip.
void RegisterRowNavigation(platform::ui::HWND hwnd);

}  // namespace shell
