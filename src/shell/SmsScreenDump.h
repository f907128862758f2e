// The SMS screen's section of state dumps: visibility, the contact (name), the number and its
// label, the counter text, the signal value, whether the add-contact button shows, the text
// box's text, the list's empty text, whether a load runs, and the bubbles in order (text,
// outgoing, read, failed, date text, height, on screen). Null before the screens exist.
#pragma once

#include "platform/ui/JsonWriter.h"

namespace shell {

void WriteSmsScreen(platform::ui::JsonWriter& json);

}  // namespace shell
