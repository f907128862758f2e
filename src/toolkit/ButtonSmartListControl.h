// ButtonSmartListControl: a smart list whose rows are Buttons, used through their row side
// (the detail screen's list of large buttons). Rows are aligned to the bottom of the view
// and the keys move one row per page. A pen-down on a row presses its button at once; a tap
// runs the button's click action through its own pen-up (only when the pen is still inside
// it); a long press runs its long-press action.
#pragma once

#include "toolkit/SmartListControl.h"

class Button;

class ButtonSmartListControl : public SmartListControl {
 public:
  ButtonSmartListControl(platform::ui::HWND host_window, const RECT& initial_rect);

  // The base behaviour, then every displayed button is released.
  RECT OnPenUp(int x, int y) override;
  // Presses the button at once (y relative to the list's top), repaints it, then the base
  // press bookkeeping and timer.
  void BeginItemPress(IListItem* item, int x, int y) override;
  void OnItemLongPress(IListItem* item, int x, int y) override;
  void OnItemClick(IListItem* item, int x, int y) override;
};
