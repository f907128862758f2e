// The shell's section of state dumps: orientation, layout, full-screen state, theme name and
// full-screen preference as read, the unread count, and the top-level panels in list order;
// and the sections of the list screen (ListScreenDump), the detail screen (DetailScreenDump),
// the filter menu (FilterMenuScript), the icon bar (IconBarDump) and the phone pad and call
// edit panel (PhonePadDump).
#include "platform/ui/DumpRegistry.h"
#include "platform/ui/WindowApi.h"
#include "shell/AppGlobals.h"
#include "shell/DetailScreenDump.h"
#include "shell/Entry.h"
#include "shell/FilterMenuScript.h"
#include "shell/IconBarDump.h"
#include "shell/ListScreenDump.h"
#include "shell/MenuDump.h"
#include "shell/PhonePadDump.h"
#include "shell/SmsScreenDump.h"
#include "shell/SymbolPadDump.h"
#include "shell/TypeName.h"

namespace shell {

namespace {

namespace ui = platform::ui;

std::string ControlName(const LightControl& control) {
  return ShortTypeName(typeid(control));
}

void WritePanels(ui::JsonWriter& json, const AppGlobals& app) {
  json.BeginArray();
  for (const LightControl* control : app.panels) {
    json.BeginObject();
    json.StringField("name", ControlName(*control));
    json.BoolField("visible", control->visible);
    json.RectField("rect", control->rect);
    json.EndObject();
  }
  json.EndArray();
}

void WriteShell(ui::JsonWriter& json) {
  const AppGlobals& app = App();
  json.BeginObject();
  json.BoolField("initialised", app.initialised);
  json.BoolField("layout_ready", app.layout_ready);
  json.StringField("orientation_prefix", app.orientation_prefix);
  json.RectField("last_layout_rect", app.last_layout_rect);
  json.BoolField("full_screen", ui::IsWindow(app.main_window) && app.main_window->HidesTaskBar());
  json.BoolField("fullscreen_preference", app.fullscreen_preference);
  json.StringField("theme_name", app.theme_name);
  json.StringField("theme_prefix", app.theme_prefix);
  json.IntField("theme_loads", app.theme_loads);
  json.IntField("unread_count", app.unread_count);
  json.StringField("last_transition", app.last_transition);
  json.IntField("last_transition_direction", app.last_transition_direction);
  json.RectField("last_genie_target", app.last_genie_target);
  json.Key("panels");
  WritePanels(json, app);
  json.EndObject();
}

}  // namespace

void RegisterShellDump() {
  ui::DumpRegistry::Instance().Add("shell", WriteShell);
  ui::DumpRegistry::Instance().Add("list_screen", WriteListScreen);
  ui::DumpRegistry::Instance().Add("detail_screen", WriteDetailScreen);
  ui::DumpRegistry::Instance().Add("filter_menu", WriteFilterMenu);
  ui::DumpRegistry::Instance().Add("icon_bar", WriteIconBar);
  ui::DumpRegistry::Instance().Add("phone_pad", WritePhonePad);
  ui::DumpRegistry::Instance().Add("call_edit", WriteCallEdit);
  ui::DumpRegistry::Instance().Add("symbol_pad", WriteSymbolPad);
  ui::DumpRegistry::Instance().Add("popup_menu", WritePopupMenus);
  ui::DumpRegistry::Instance().Add("sms_screen", WriteSmsScreen);
}

}  // namespace shell
