#include "shell/FilterMenuScript.h"

#include <mutex>
#include <string>
#include <typeinfo>

#include "platform/ui/ScriptHooks.h"
#include "screens/CategoryFilterChoice.h"
#include "screens/CityFilterChoice.h"
#include "screens/CompanyFilterChoice.h"
#include "screens/ContactContainerPanel.h"
#include "screens/FilterMenuPanel.h"
#include "screens/FilterSmartListControl.h"
#include "shell/AppGlobals.h"
#include "shell/TypeName.h"
#include "toolkit/Action.h"

namespace shell {

namespace {

namespace ui = platform::ui;

// "root", the folder whose values are listed ("company", "city", "category"), or "" for none.
std::string Level(const FilterMenuPanel& menu) {
  if (menu.AtRootLevel()) return "root";
  const SmartListControl& entries = menu.EntryList();
  if (entries.GetItemCount() == 0) return "";
  const IListItem* first = entries.GetItem(0);
  if (dynamic_cast<const CompanyFilterChoice*>(first)) return "company";
  if (dynamic_cast<const CityFilterChoice*>(first)) return "city";
  if (dynamic_cast<const CategoryFilterChoice*>(first)) return "category";
  return "";
}

std::string RunFilterMenuCommand(const std::u16string& arguments) {
  if (!arguments.empty()) return "test filtermenu takes no arguments";
  if (!App().list_screen) return "no list screen yet";
  App().list_screen->FilterMenuCommand().Execute();
  return {};
}

}  // namespace

void WriteFilterMenu(ui::JsonWriter& json) {
  const AppGlobals& app = App();
  if (!app.list_screen) {
    json.Null();
    return;
  }
  const FilterMenuPanel& menu = app.list_screen->FilterMenu();
  FilterSmartListControl& entries = menu.EntryList();
  std::lock_guard lock(entries.ListLock());
  json.BeginObject();
  json.BoolField("visible", menu.visible);
  json.StringField("level", Level(menu));
  json.RectField("rect", menu.rect);
  json.RectField("list_rect", entries.rect);
  json.IntField("scroll_offset", entries.ScrollOffset());
  json.Key("entries");
  json.BeginArray();
  for (size_t i = 0; i < entries.DisplayedCount(); ++i) {
    const IListItem& row = *entries.DisplayedItem(i);
    const auto* entry = dynamic_cast<const FilterBase*>(&row);
    json.BeginObject();
    json.StringField("caption", entry ? entry->Caption() : std::u16string());
    json.StringField("kind", ShortTypeName(typeid(row)));
    json.StringField("value", entry ? entry->Value() : std::u16string());
    json.IntField("height", row.height);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

void RegisterFilterMenuHook() {
  ui::ScriptHooks::Instance().Add("filtermenu", RunFilterMenuCommand);
}

}  // namespace shell
