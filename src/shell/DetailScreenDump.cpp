#include "shell/DetailScreenDump.h"

#include <typeinfo>

#include "contacts/ContactListItem.h"
#include "screens/ContactDetailPanel.h"
#include "shell/AppGlobals.h"
#include "shell/MenuDump.h"
#include "shell/TypeName.h"
#include "theme/SettingManager.h"
#include "toolkit/Button.h"
#include "toolkit/ButtonSmartListControl.h"
#include "toolkit/CloseButton.h"
#include "toolkit/TextInputControl.h"

namespace shell {

namespace {

namespace ui = platform::ui;

std::string ActionName(const Action* action) {
  return action ? ShortTypeName(typeid(*action)) : std::string();
}

std::string PictureName(ContactDetailPanel::PictureState state) {
  switch (state) {
    case ContactDetailPanel::PictureState::kNone:
      return "none";
    case ContactDetailPanel::PictureState::kDefault:
      return "default";
    case ContactDetailPanel::PictureState::kContact:
      return "contact";
  }
  return "";
}

void WriteContact(ui::JsonWriter& json, const ContactListItem* contact) {
  if (!contact) {
    json.Null();
    return;
  }
  json.BeginObject();
  json.IntField("object_id", contact->object_id);
  json.StringField("name", contact->display_name);
  json.StringField("detail", contact->detail);
  json.BoolField("favourite", contact->favourite);
  json.EndObject();
}

void WriteButtons(ui::JsonWriter& json, ButtonSmartListControl& list) {
  std::lock_guard lock(list.ListLock());
  json.BeginArray();
  for (size_t i = 0; i < list.DisplayedCount(); ++i) {
    const auto* button = dynamic_cast<const Button*>(list.DisplayedItem(i));
    if (!button) continue;
    json.BeginObject();
    json.StringField("label", button->text);
    json.StringField("action", ActionName(button->ClickAction()));
    json.StringField("long_press", ActionName(button->LongPressAction()));
    json.IntField("height", button->height);
    json.EndObject();
  }
  json.EndArray();
}

void WriteNoteBox(ui::JsonWriter& json, const TextInputControl& box) {
  json.BeginObject();
  json.BoolField("visible", box.visible);
  json.BoolField("active", box.IsActive());
  json.StringField("label", box.Label());
  json.IntField("label_offset", box.LabelOffset());
  json.StringField("text", box.GetText());
  json.BoolField("modified", box.IsModified());
  json.EndObject();
}

}  // namespace

void WriteDetailScreen(ui::JsonWriter& json) {
  const ContactDetailPanel* panel = App().detail_screen;
  if (!panel) {
    json.Null();
    return;
  }
  json.BeginObject();
  json.BoolField("visible", panel->visible);
  json.Key("contact");
  WriteContact(json, panel->Contact());
  json.StringField("picture", PictureName(panel->Picture()));
  json.BoolField("has_picture", panel->HasPicture());
  json.BoolField("return_pause", panel->ReturnPausePending());
  json.RectField("back_button_rect", panel->BackButton().rect);
  json.RectField("photo_box", theme::Settings().contact_photo_box);
  json.RectField("description_box", theme::Settings().contact_description_box);
  json.RectField("button_list_rect", panel->ButtonList().rect);
  json.IntField("scroll_offset", panel->ButtonList().ScrollOffset());
  json.Key("buttons");
  WriteButtons(json, panel->ButtonList());
  json.Key("options_menu");
  WriteMenu(json, panel->OptionsMenu());
  json.Key("note_box");
  WriteNoteBox(json, panel->NoteBox());
  json.EndObject();
}

}  // namespace shell
