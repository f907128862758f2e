// The detail screen's section of state dumps: visibility, the contact (object id, name and
// detail text), the picture frame (none, default or the contact's picture), the favourite
// mark, the buttons of the button list in order (label, click action, long-press action),
// the options menu (open, labels in order), the note box and the pause after a call. Null
// before the screens exist.
#pragma once

#include "platform/ui/JsonWriter.h"

namespace shell {

void WriteDetailScreen(platform::ui::JsonWriter& json);

}  // namespace shell
