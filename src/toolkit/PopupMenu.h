// Pop-up menus: a column of buttons on a BorderPanel that slides down from the top edge of
// the screen over its owner panel. Choosing an entry runs its action and retires the menu; an
// entry with entries below it replaces the page; a tap outside the buttons closes the menu
// without running anything.
#pragma once

#include <vector>

#include "platform/ui/Window.h"
#include "toolkit/MenuEntry.h"

class BorderPanel;
class ContainerPanel;

// Builds the menu for `entries` (paginated for the main window), puts it in front of
// `owner`'s children and opens it. Returns the panel, which `owner` owns until the menu
// retires it.
BorderPanel* ShowPopupMenu(ContainerPanel& owner, const std::vector<MenuEntry>& entries);

// Appends one button per entry to `panel`, top to bottom from the top edge of the screen at
// `left`: an entry that opens a submenu gets a SubMenuAction, any other a DeleteProxyAction
// around its action.
void AddMenuButtons(BorderPanel& panel, ContainerPanel& owner, platform::ui::HWND host_window,
                    const std::vector<MenuEntry>& entries, int left);
