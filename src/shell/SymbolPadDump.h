// The symbol pad's section of state dumps: open, its rectangle, the symbols in order (the
// action each runs, image names, pressed state, rect) and the last symbol run. Null before
// the screens exist.
#pragma once

#include "platform/ui/JsonWriter.h"

namespace shell {

void WriteSymbolPad(platform::ui::JsonWriter& json);

}  // namespace shell
