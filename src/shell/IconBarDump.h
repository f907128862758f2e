// The icon bar's section of state dumps: its rect, whether it holds the pen, and each button
// in order (caption, image and pressed image names, pressed state, rect), with the text of the
// unread badge (empty when none shows). Null before the screens exist.
#pragma once

#include "platform/ui/JsonWriter.h"

namespace shell {

void WriteIconBar(platform::ui::JsonWriter& json);

}  // namespace shell
