#include "platform/ui/DumpRegistry.h"

#include <algorithm>

#include "platform/ui/WindowManager.h"

namespace platform::ui {

namespace {

void WriteWindow(JsonWriter& json, WindowManager& manager, HWND hwnd) {
  json.BeginObject();
  json.StringField("class", hwnd->ClassName());
  json.StringField("title", hwnd->Title());
  json.BoolField("visible", hwnd->IsVisible());
  json.RectField("window_rect", manager.GetWindowRect(hwnd));
  json.RectField("client_rect", manager.GetClientRect(hwnd));
  json.BoolField("hides_task_bar", hwnd->HidesTaskBar());
  json.BoolField("foreground", manager.GetForegroundWindow() == hwnd);
  json.Key("children");
  json.BeginArray();
  for (HWND child : hwnd->Children()) WriteWindow(json, manager, child);
  json.EndArray();
  json.EndObject();
}

void WriteScreen(JsonWriter& json, WindowManager& manager) {
  const SIZE size = manager.ScreenSize();
  json.BeginObject();
  json.IntField("width", size.cx);
  json.IntField("height", size.cy);
  json.BoolField("task_bar_visible", manager.TaskBarVisible());
  json.BoolField("active", manager.IsActive());
  json.EndObject();
}

}  // namespace

DumpRegistry& DumpRegistry::Instance() {
  static DumpRegistry registry;
  return registry;
}

void DumpRegistry::Add(const std::string& name, Section section) {
  for (auto& entry : sections_) {
    if (entry.first == name) {
      entry.second = std::move(section);
      return;
    }
  }
  sections_.emplace_back(name, std::move(section));
}

void DumpRegistry::Remove(const std::string& name) {
  std::erase_if(sections_, [&](const auto& entry) { return entry.first == name; });
}

std::string DumpRegistry::Write(WindowManager& manager) const {
  JsonWriter json;
  json.BeginObject();
  json.Key("screen");
  WriteScreen(json, manager);
  json.Key("windows");
  json.BeginArray();
  for (HWND hwnd : manager.TopLevelWindows()) WriteWindow(json, manager, hwnd);
  json.EndArray();
  for (const auto& [name, section] : sections_) {
    json.Key(name);
    section(json);
  }
  json.EndObject();
  return json.Text() + "\n";
}

}  // namespace platform::ui
