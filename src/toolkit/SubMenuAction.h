// SubMenuAction: the click action of a menu entry that opens further entries (a submenu or
// the "More..." page). It slides the panel up until only the new page's height is left on
// screen, replaces the buttons by the new page's buttons and slides the panel back in. The
// buttons it replaces, the running one included, are handed to deferred deletion.
#pragma once

#include <vector>

#include "platform/ui/Window.h"
#include "toolkit/Action.h"
#include "toolkit/MenuEntry.h"

class BorderPanel;
class ContainerPanel;

class SubMenuAction : public Action {
 public:
  // `entries` is the page to show (already paginated). The panel is a child of `owner`.
  SubMenuAction(ContainerPanel* owner, BorderPanel* panel, std::vector<MenuEntry> entries,
                platform::ui::HWND host_window);
  ~SubMenuAction() override;

  void Execute() override;

  const std::vector<MenuEntry>& Entries() const { return entries_; }

 private:
  ContainerPanel* owner_;
  BorderPanel* panel_;
  std::vector<MenuEntry> entries_;
  platform::ui::HWND host_window_;
};
