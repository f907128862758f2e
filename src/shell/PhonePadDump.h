// The phone pad's section of state dumps (visible, rectangle, pressed key: " " for none, ""
// before the first press). Null before the screens exist.
#pragma once

#include "platform/ui/JsonWriter.h"

class PhonePad;

namespace shell {

void WritePhonePad(platform::ui::JsonWriter& json);
// One pad's fields as an object (also the call edit panel's own pad).
void WritePhonePadObject(platform::ui::JsonWriter& json, const PhonePad& pad);

}  // namespace shell
