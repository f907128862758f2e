// The keyboard's section of state dumps: whether the hosted keyboard is shown, its input
// method (identifier and name), the hosted window's rectangle, what the last reposition found
// and gave the screens, the stored choice, the platform's own keyboard window, and the
// installed input methods.
#include "platform/ui/DumpRegistry.h"
#include "platform/ui/WindowApi.h"
#include "toolkit/SoftInputPanel.h"

namespace ui = platform::ui;
namespace com = platform::com;

namespace {

std::u16string MethodName(const std::optional<com::CLSID>& clsid) {
  if (!clsid) return u"";
  for (const auto& entry : InstalledInputMethods()) {
    if (entry.clsid == *clsid) return entry.name;
  }
  return u"";
}

void WriteKeyboard(ui::JsonWriter& json) {
  const SoftInputPanelRecord& panel = InputPanel();
  json.BeginObject();
  json.BoolField("shown", InputPanelShown());
  json.StringField("input_method", panel.method_clsid ? com::FormatGuid(*panel.method_clsid) : u"");
  json.StringField("input_method_name", MethodName(panel.method_clsid));
  RECT hosted{};
  ui::GetWindowRect(panel.hosted_window, hosted);
  json.RectField("hosted_rect", hosted);
  json.RectField("keyboard_rect", panel.keyboard_rect);
  json.RectField("relayout_rect", panel.relayout_rect);
  const auto choice = panel.host.read_choice ? panel.host.read_choice() : std::nullopt;
  json.StringField("current_sip", choice.value_or(u""));
  json.BoolField("system_panel", panel.system_panel != nullptr);
  json.BoolField("system_panel_shown", ui::IsWindowVisible(panel.system_panel));
  json.Key("installed");
  json.BeginArray();
  for (const auto& entry : InstalledInputMethods()) {
    json.BeginObject();
    json.StringField("name", entry.name);
    json.StringField("clsid", com::FormatGuid(entry.clsid));
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

}  // namespace

void RegisterKeyboardDump() {
  ui::DumpRegistry::Instance().Add("keyboard", WriteKeyboard);
}
