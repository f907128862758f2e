// The filter menu as scripts see it, while no filter button exists on screen: the
// `filter_menu` dump section (visible, level, rectangle, entries in order with caption, kind
// and value, scroll offset) and the hook `test filtermenu`, which runs the filter button's
// command (opens the menu, goes back to its root, or closes it). UI thread only.
#pragma once

#include "platform/ui/JsonWriter.h"

namespace shell {

void WriteFilterMenu(platform::ui::JsonWriter& json);
void RegisterFilterMenuHook();

}  // namespace shell
