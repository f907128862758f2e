#include "shell/SymbolPadDump.h"

#include "screens/ContactContainerPanel.h"
#include "screens/SymbolPadContainer.h"
#include "shell/AppGlobals.h"
#include "shell/TypeName.h"
#include "theme/Image.h"
#include "toolkit/Button.h"

namespace shell {

namespace ui = platform::ui;

void WriteSymbolPad(ui::JsonWriter& json) {
  const ContactContainerPanel* screen = App().list_screen;
  if (!screen) {
    json.Null();
    return;
  }
  const SymbolPadContainer* pad = SymbolPadContainer::Find(*screen);
  json.BeginObject();
  json.BoolField("open", pad && pad->visible);
  json.RectField("rect", pad ? pad->rect : RECT{});
  json.Key("symbols");
  json.BeginArray();
  for (size_t i = 0; pad && i < pad->ChildCount(); ++i) {
    const Button& button = pad->SymbolButton(i);
    const Action* action = pad->SymbolAction(i);
    json.BeginObject();
    json.StringField("action", action ? ShortTypeName(typeid(*action)) : std::string());
    json.StringField("image", button.FaceImage() ? button.FaceImage()->Name() : u"");
    json.StringField("pressed_image", button.PressedImage() ? button.PressedImage()->Name() : u"");
    json.BoolField("pressed", button.IsPressed());
    json.RectField("rect", button.rect);
    json.EndObject();
  }
  json.EndArray();
  const std::type_info* last = SymbolPadContainer::LastSymbolRun();
  json.StringField("last_symbol", last ? ShortTypeName(*last) : std::string());
  json.EndObject();
}

}  // namespace shell
