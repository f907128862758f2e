#include "platform/sip/SoftKeyboardDump.h"

#include <algorithm>
#include <vector>

#include "platform/sip/SoftKeyboard.h"
#include "platform/ui/DumpRegistry.h"
#include "platform/ui/WindowApi.h"

namespace platform::sip {

namespace {

std::vector<SoftKeyboard*>& Keyboards() {
  static std::vector<SoftKeyboard*> keyboards;
  return keyboards;
}

bool OnScreen(ui::HWND hwnd) {
  if (!ui::IsWindow(hwnd)) return false;
  for (ui::HWND w = hwnd; w; w = w->Parent()) {
    if (!w->IsVisible()) return false;
  }
  return true;
}

void WriteKeyboard(ui::JsonWriter& json, const SoftKeyboard& keyboard) {
  RECT window{};
  ui::GetWindowRect(keyboard.Window(), window);
  json.BeginObject();
  json.BoolField("on_screen", OnScreen(keyboard.Window()));
  json.RectField("window_rect", window);
  json.Key("keys");
  json.BeginArray();
  if (ui::IsWindow(keyboard.Window())) {
    for (const SoftKey& key : keyboard.CurrentKeys()) {
      json.BeginObject();
      json.StringField("label", key.label);
      json.StringField("hint", key.hint);
      json.RectField("rect", OffsetRect(key.rect, window.left, window.top));
      json.BoolField("lit", key.lit);
      json.EndObject();
    }
  }
  json.EndArray();
  json.EndObject();
}

void WriteKeyboards(ui::JsonWriter& json) {
  json.BeginArray();
  for (const SoftKeyboard* keyboard : Keyboards()) WriteKeyboard(json, *keyboard);
  json.EndArray();
}

}  // namespace

void TrackSoftKeyboard(SoftKeyboard* keyboard) {
  if (Keyboards().empty()) ui::DumpRegistry::Instance().Add("soft_keyboards", WriteKeyboards);
  Keyboards().push_back(keyboard);
}

void ForgetSoftKeyboard(SoftKeyboard* keyboard) {
  std::erase(Keyboards(), keyboard);
}

}  // namespace platform::sip
