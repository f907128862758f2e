// The phone pad's and the call edit panel's sections of state dumps (visible, rectangle, pressed
// key: " " for none, "" before the first press). Null before the screens exist.
#pragma once

#include "platform/ui/JsonWriter.h"

class PhonePad;

namespace shell {

void WritePhonePad(platform::ui::JsonWriter& json);
// The call edit panel: open, the number box's text, and while open its controls' rectangles
// and its own pad.
void WriteCallEdit(platform::ui::JsonWriter& json);
// One pad's fields as an object (also the call edit panel's own pad).
void WritePhonePadObject(platform::ui::JsonWriter& json, const PhonePad& pad);

}  // namespace shell
