// PaginateMenu: splits a menu that does not fit on the screen into pages. Each page holds as
// many entries as fit (the screen height in small buttons, less two) followed by a "More..."
// entry whose submenu is the next page.
#pragma once

#include <string_view>
#include <vector>

#include "toolkit/MenuEntry.h"

// Label of the entry that leads to the next page.
inline constexpr std::u16string_view kMoreEntryLabel = u"More...";

// Entries per page for a screen `screen_height` pixels high with the theme's
// small_button_height; at least 1, so that every page shows something.
int MenuPageSize(int screen_height);

// Paginates for a screen `screen_height` pixels high.
std::vector<MenuEntry> PaginateMenu(const std::vector<MenuEntry>& entries, int screen_height);
// Paginates for the main window's client height.
std::vector<MenuEntry> PaginateMenu(const std::vector<MenuEntry>& entries);
