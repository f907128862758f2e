// MenuEntry: one entry of a pop-up menu, a value kept in ordered sequences. Choosing it runs
// its action; an entry without an action but with entries below it opens them as the next
// page of the same menu. Copies share the action, which lives as long as its last holder.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "toolkit/Action.h"

struct MenuEntry {
  MenuEntry() = default;
  MenuEntry(std::u16string entry_label, std::shared_ptr<Action> entry_action)
      : label(std::move(entry_label)), action(std::move(entry_action)) {}
  MenuEntry(std::u16string entry_label, std::vector<MenuEntry> entries)
      : label(std::move(entry_label)), submenu(std::move(entries)) {}

  // Whether choosing the entry opens its submenu instead of running something.
  bool OpensSubmenu() const { return !action && !submenu.empty(); }

  std::u16string label;
  std::shared_ptr<Action> action;  // none: choosing the entry only closes the menu
  std::vector<MenuEntry> submenu;  // empty: no submenu
};
