// The shell's section of state dumps: orientation, layout, full-screen state, theme name and
// full-screen preference as read, the unread count, and the top-level panels in list order;
// and the list screen's own section (ListScreenDump).
#include "platform/ui/DumpRegistry.h"
#include "platform/ui/WindowApi.h"
#include "shell/AppGlobals.h"
#include "shell/Entry.h"
#include "shell/ListScreenDump.h"
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
    json.Key("name");
    json.String(ControlName(*control));
    json.Key("visible");
    json.Bool(control->visible);
    json.Key("rect");
    json.Rect(control->rect);
    json.EndObject();
  }
  json.EndArray();
}

void WriteShell(ui::JsonWriter& json) {
  const AppGlobals& app = App();
  json.BeginObject();
  json.Key("initialised");
  json.Bool(app.initialised);
  json.Key("layout_ready");
  json.Bool(app.layout_ready);
  json.Key("orientation_prefix");
  json.String(app.orientation_prefix);
  json.Key("last_layout_rect");
  json.Rect(app.last_layout_rect);
  json.Key("full_screen");
  json.Bool(ui::IsWindow(app.main_window) && app.main_window->HidesTaskBar());
  json.Key("fullscreen_preference");
  json.Bool(app.fullscreen_preference);
  json.Key("theme_name");
  json.String(app.theme_name);
  json.Key("theme_prefix");
  json.String(app.theme_prefix);
  json.Key("theme_loads");
  json.Int(app.theme_loads);
  json.Key("unread_count");
  json.Int(app.unread_count);
  json.Key("panels");
  WritePanels(json, app);
  json.EndObject();
}

}  // namespace

void RegisterShellDump() {
  ui::DumpRegistry::Instance().Add("shell", WriteShell);
  ui::DumpRegistry::Instance().Add("list_screen", WriteListScreen);
}

}  // namespace shell
