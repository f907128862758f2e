#include "shell/MenuDump.h"

#include "screens/ContactContainerPanel.h"
#include "shell/AppGlobals.h"
#include "toolkit/BorderPanel.h"
#include "toolkit/Button.h"
#include "toolkit/RelativeButton.h"

namespace shell {

namespace ui = platform::ui;

void WriteMenu(ui::JsonWriter& json, const BorderPanel& menu) {
  json.BeginObject();
  json.BoolField("open", menu.visible);
  json.RectField("rect", menu.rect);
  json.Key("labels");
  json.BeginArray();
  for (size_t i = 0; i < menu.ChildCount(); ++i) {
    if (const auto* button = dynamic_cast<const Button*>(menu.Child(i))) json.String(button->text);
  }
  json.EndArray();
  // Where each button is while the menu is open (relative to the menu's place).
  json.Key("button_rects");
  json.BeginArray();
  for (size_t i = 0; i < menu.ChildCount(); ++i) {
    if (const auto* button = dynamic_cast<const RelativeButton*>(menu.Child(i))) {
      json.Rect(OffsetRect(button->RelativeRect(), menu.rect.left, 0));
    }
  }
  json.EndArray();
  json.EndObject();
}

void WritePopupMenus(ui::JsonWriter& json) {
  json.BeginArray();
  if (const ContactContainerPanel* screen = App().list_screen) {
    for (size_t i = 0; i < screen->ChildCount(); ++i) {
      if (const auto* menu = dynamic_cast<const BorderPanel*>(screen->Child(i))) {
        WriteMenu(json, *menu);
      }
    }
  }
  json.EndArray();
}

}  // namespace shell
