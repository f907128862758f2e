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
  json.Key("kind");
  json.String(ShortTypeName(typeid(row)));
  json.Key("name");
  json.String(RowName(row));
  auto contact = dynamic_cast<const ContactListItem*>(&row);
  json.Key("second_line");
  json.String(contact ? contact->second_line : std::u16string());
  auto base = dynamic_cast<const BaseItem*>(&row);
  json.Key("unread_sms");
  json.Int(base ? base->unread_sms_count : 0);
  json.Key("sms");
  json.Int(base ? base->sms_count : 0);
  json.Key("favourite");
  json.Bool(contact && contact->favourite);
  json.Key("height");
  json.Int(row.height);
  json.Key("on_screen");
  json.Bool(on_screen);
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
  json.Key("rect");
  json.Rect(strip.rect);
  json.Key("pressed");
  json.Bool(strip.Pressed());
  json.Key("marker_y");
  json.Int(strip.MarkerY());
  json.Key("bubble");
  json.Rect(strip.BubbleRect());
  json.Key("letter_under_pen");
  json.String(std::u16string(strip.LetterUnderPen() ? 1 : 0, strip.LetterUnderPen()));
  const char16_t current = strip.CurrentLetter();
  json.Key("current_letter");
  json.String(std::u16string(current ? 1 : 0, current));
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
  json.Key("visible");
  json.Bool(app.list_screen->visible);
  json.Key("list_rect");
  json.Rect(list.rect);
  ISmartListFilter* filter = list.Filter();
  json.Key("filter");
  json.String(filter ? ShortTypeName(typeid(*filter)) : std::string());
  json.Key("filter_title");
  json.String(filter ? filter->GetTitle() : std::u16string());
  json.Key("scroll_offset");
  json.Int(list.ScrollOffset());
  json.Key("content_height");
  json.Int(list.GetContentHeight());
  json.Key("selected_index");
  json.Int(list.SelectedIndex());
  json.Key("empty_text");
  json.String(list.EmptyText());
  json.Key("unread_count");
  json.Int(app.unread_count);
  json.Key("item_count");
  json.Int(static_cast<int64_t>(list.GetItemCount()));
  json.Key("displayed_count");
  json.Int(static_cast<int64_t>(list.DisplayedCount()));
  json.Key("index_strip");
  WriteIndexStrip(json, app.list_screen->IndexStrip());
  json.Key("rows");
  WriteRows(json, list);
  json.EndObject();
}

}  // namespace shell
