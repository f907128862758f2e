#include "toolkit/TextBoxDump.h"

#include <algorithm>
#include <vector>

#include "platform/input/EditBox.h"
#include "platform/ui/DumpRegistry.h"
#include "platform/ui/WindowApi.h"
#include "toolkit/TextInputControl.h"

namespace ui = platform::ui;

namespace {

std::vector<TextInputControl*>& Boxes() {
  static std::vector<TextInputControl*> boxes;
  return boxes;
}

void WriteBox(ui::JsonWriter& json, TextInputControl& box) {
  json.BeginObject();
  json.RectField("rect", box.rect);
  json.StringField("label", box.Label());
  json.BoolField("visible", box.visible);
  json.BoolField("active", box.IsActive());
  json.BoolField("edit_visible", ui::IsWindowVisible(box.EditWindow()));
  const auto state = platform::input::GetEditBoxState(box.EditWindow());
  json.StringField("text", state ? state->text : u"");
  json.IntField("length", state ? static_cast<int64_t>(state->text.size()) : 0);
  json.IntField("caret", state ? static_cast<int64_t>(state->caret) : 0);
  json.IntField("anchor", state ? static_cast<int64_t>(state->anchor) : 0);
  json.IntField("limit", state ? static_cast<int64_t>(state->limit) : 0);
  json.BoolField("modified", box.IsModified());
  json.BoolField("focused", ui::GetFocus() == box.EditWindow());
  json.IntField("first_visible_line", state ? static_cast<int64_t>(state->first_visible_line) : 0);
  json.IntField("line_count", state ? static_cast<int64_t>(state->line_count) : 0);
  json.StringField("composition", state ? state->composition : u"");
  json.BoolField("menu_open", state && state->menu_open);
  json.EndObject();
}

void WriteBoxes(ui::JsonWriter& json) {
  json.BeginArray();
  for (TextInputControl* box : Boxes()) WriteBox(json, *box);
  json.EndArray();
}

}  // namespace

void TrackTextBox(TextInputControl* box) {
  if (Boxes().empty()) ui::DumpRegistry::Instance().Add("text_boxes", WriteBoxes);
  Boxes().push_back(box);
}

void ForgetTextBox(TextInputControl* box) {
  std::erase(Boxes(), box);
}
