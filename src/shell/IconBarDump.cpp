#include "shell/IconBarDump.h"

#include "screens/ContactContainerPanel.h"
#include "screens/IconPanel.h"
#include "shell/AppGlobals.h"
#include "shell/TypeName.h"
#include "theme/Image.h"
#include "toolkit/Button.h"

namespace shell {

namespace {

namespace ui = platform::ui;

std::u16string ImageName(const theme::Image* image) {
  return image ? image->Name() : u"";
}

void WriteButton(ui::JsonWriter& json, const Button& button) {
  json.BeginObject();
  json.StringField("caption", button.text);
  json.StringField("image", ImageName(button.FaceImage()));
  json.StringField("pressed_image", ImageName(button.PressedImage()));
  json.BoolField("pressed", button.IsPressed());
  json.RectField("rect", button.rect);
  const Action* action = button.ClickAction();
  json.StringField("action", action ? ShortTypeName(typeid(*action)) : std::string());
  json.EndObject();
}

}  // namespace

void WriteIconBar(ui::JsonWriter& json) {
  const ContactContainerPanel* screen = App().list_screen;
  if (!screen) {
    json.Null();
    return;
  }
  const IconPanel& bar = screen->IconBar();
  json.BeginObject();
  json.BoolField("visible", bar.visible);
  json.RectField("rect", bar.rect);
  json.BoolField("pen_captured", bar.PenCaptured());
  json.Key("buttons");
  json.BeginArray();
  for (const Button* button :
       {&bar.FavoriteButton(), &bar.SmsButton(), &bar.FilterButton(), &bar.PhoneButton()}) {
    WriteButton(json, *button);
  }
  json.EndArray();
  json.StringField("badge", IconPanel::BadgeText(App().unread_count));
  json.EndObject();
}

}  // namespace shell
