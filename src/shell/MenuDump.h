// Pop-up menus in state dumps. One menu: open, rectangle, the labels of its buttons in order
// and where each button is while the menu is open. The `popup_menu` section: the pop-up menus
// that lie over the list screen, front first (an empty list when none is open).
#pragma once

#include "platform/ui/JsonWriter.h"

class BorderPanel;

namespace shell {

void WriteMenu(platform::ui::JsonWriter& json, const BorderPanel& menu);
void WritePopupMenus(platform::ui::JsonWriter& json);

}  // namespace shell
