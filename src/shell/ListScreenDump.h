// The list screen's section of state dumps: the filter and its title, the scroll offset, the
// selection, the empty text, the index strip and the displayed rows (kind, name, second
// line, SMS counts, height), those on screen marked. Null before the screens exist.
#pragma once

#include "platform/ui/JsonWriter.h"

namespace shell {

void WriteListScreen(platform::ui::JsonWriter& json);

}  // namespace shell
