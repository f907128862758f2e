#include "shell/PhonePadDump.h"

#include "screens/ContactContainerPanel.h"
#include "screens/PhonePad.h"
#include "shell/AppGlobals.h"

namespace shell {

void WritePhonePadObject(platform::ui::JsonWriter& json, const PhonePad& pad) {
  json.BeginObject();
  json.BoolField("visible", pad.visible);
  json.RectField("rect", pad.rect);
  const char16_t key = pad.PressedKey();
  json.StringField("pressed_key", key == 0xFFFF ? std::u16string() : std::u16string(1, key));
  json.EndObject();
}

void WritePhonePad(platform::ui::JsonWriter& json) {
  const ContactContainerPanel* screen = App().list_screen;
  if (!screen) {
    json.Null();
    return;
  }
  WritePhonePadObject(json, screen->PhonePadControl());
}

}  // namespace shell
