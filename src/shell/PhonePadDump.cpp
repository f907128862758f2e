#include "shell/PhonePadDump.h"

#include "screens/ContactContainerPanel.h"
#include "screens/PhoneCallEditPanel.h"
#include "screens/PhonePad.h"
#include "shell/AppGlobals.h"
#include "toolkit/Button.h"
#include "toolkit/TextInputControl.h"

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

void WriteCallEdit(platform::ui::JsonWriter& json) {
  const ContactContainerPanel* screen = App().list_screen;
  if (!screen) {
    json.Null();
    return;
  }
  const PhoneCallEditPanel* panel = FindPhoneCallEditPanel(*screen);
  json.BeginObject();
  json.BoolField("open", panel != nullptr);
  json.StringField("number", panel ? panel->NumberBox().GetText() : std::u16string());
  if (panel) {
    json.RectField("number_box_rect", panel->NumberBox().rect);
    json.RectField("call_button_rect", panel->CallButton().rect);
    json.RectField("cancel_button_rect", panel->CancelButton().rect);
    json.Key("phone_pad");
    WritePhonePadObject(json, panel->Pad());
  }
  json.EndObject();
}

}  // namespace shell
