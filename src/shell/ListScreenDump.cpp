#include "shell/ListScreenDump.h"

#include <mutex>
#include <string>
#include <typeinfo>

#include "contacts/ContactListItem.h"
#include "contacts/ContactSmartListControl.h"
#include "screens/ContactContainerPanel.h"
#include "screens/LeftSearchPanel.h"
#include "shell/AppGlobals.h"
#include "shell/TypeName.h"
#include "toolkit/ISmartListFilter.h"
#include "toolkit/SeparatorItem.h"

namespace shell {

namespace {

namespace ui = platform::ui;

// A dump of a very long list stays readable; the count tells how many rows there are.
constexpr size_t kMaxDumpedRows = 1000;

std::u16string RowName(const IListItem& row) {
  if (auto contact = dynamic_cast<const ContactListItem*>(&row)) return contact->display_name;
  if (auto separator = dynamic_cast<const SeparatorItem*>(&row)) return separator->caption;
  return {};
}

void WriteRow(ui::JsonWriter& json, const IListItem& row, bool on_screen) {
  json.BeginObject();
  json.StringField("kind", ShortTypeName(typeid(row)));
  json.StringField("name", RowName(row));
  auto contact = dynamic_cast<const ContactListItem*>(&row);
  json.StringField("second_line", contact ? contact->second_line : std::u16string());
  auto base = dynamic_cast<const BaseItem*>(&row);
  json.IntField("unread_sms", base ? base->unread_sms_count : 0);
  json.IntField("sms", base ? base->sms_count : 0);
  json.BoolField("favourite", contact && contact->favourite);
  json.IntField("height", row.height);
  json.BoolField("on_screen", on_screen);
  json.EndObject();
}

// Displayed rows in order; a row is on screen when a part of it with some height lies in the
// list's view at the current scroll offset.
void WriteRows(ui::JsonWriter& json, ContactSmartListControl& list) {
  const int32_t view_top = list.ScrollOffset();
  const int32_t view_bottom = view_top + list.ViewHeight();
  json.BeginArray();
  int64_t y = 0;
  const size_t count = list.DisplayedCount();
  for (size_t i = 0; i < count && i < kMaxDumpedRows; ++i) {
    const IListItem& row = *list.DisplayedItem(i);
    const bool on_screen = row.height > 0 && y + row.height > view_top && y < view_bottom;
    WriteRow(json, row, on_screen);
    y += row.height;
  }
  json.EndArray();
}

void WriteIndexStrip(ui::JsonWriter& json, const LeftSearchPanel& strip) {
  json.BeginObject();
  json.RectField("rect", strip.rect);
  json.BoolField("pressed", strip.Pressed());
  json.IntField("marker_y", strip.MarkerY());
  json.RectField("bubble", strip.BubbleRect());
  json.StringField("letter_under_pen",
                   std::u16string(strip.LetterUnderPen() ? 1 : 0, strip.LetterUnderPen()));
  const char16_t current = strip.CurrentLetter();
  json.StringField("current_letter", std::u16string(current ? 1 : 0, current));
  json.EndObject();
}

}  // namespace

void WriteListScreen(ui::JsonWriter& json) {
  const AppGlobals& app = App();
  if (!app.list_screen) {
    json.Null();
    return;
  }
  ContactSmartListControl& list = app.list_screen->ContactList();
  std::lock_guard lock(list.ListLock());
  json.BeginObject();
  json.BoolField("visible", app.list_screen->visible);
  json.RectField("list_rect", list.rect);
  ISmartListFilter* filter = list.Filter();
  json.StringField("filter", filter ? ShortTypeName(typeid(*filter)) : std::string());
  json.StringField("filter_title", filter ? filter->GetTitle() : std::u16string());
  json.IntField("scroll_offset", list.ScrollOffset());
  json.IntField("content_height", list.GetContentHeight());
  json.IntField("selected_index", list.SelectedIndex());
  json.StringField("empty_text", list.EmptyText());
  json.BoolField("empty_text_shown", !list.EmptyText().empty() && !list.HasContentRows());
  json.IntField("unread_count", app.unread_count);
  json.IntField("item_count", static_cast<int64_t>(list.GetItemCount()));
  json.IntField("displayed_count", static_cast<int64_t>(list.DisplayedCount()));
  json.Key("index_strip");
  WriteIndexStrip(json, app.list_screen->IndexStrip());
  json.Key("rows");
  WriteRows(json, list);
  json.EndObject();
}

}  // namespace shell
