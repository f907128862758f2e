#include "platform/ui/DumpRegistry.h"

#include <algorithm>

#include "platform/ui/WindowManager.h"

namespace platform::ui {

namespace {

void WriteWindow(JsonWriter& json, WindowManager& manager, HWND hwnd) {
  json.BeginObject();
  json.Key("class");
  json.String(hwnd->ClassName());
  json.Key("title");
  json.String(hwnd->Title());
  json.Key("visible");
  json.Bool(hwnd->IsVisible());
  json.Key("window_rect");
  json.Rect(manager.GetWindowRect(hwnd));
  json.Key("client_rect");
  json.Rect(manager.GetClientRect(hwnd));
  json.Key("hides_task_bar");
  json.Bool(hwnd->HidesTaskBar());
  json.Key("foreground");
  json.Bool(manager.GetForegroundWindow() == hwnd);
  json.Key("children");
  json.BeginArray();
  for (HWND child : hwnd->Children()) WriteWindow(json, manager, child);
  json.EndArray();
  json.EndObject();
}

void WriteScreen(JsonWriter& json, WindowManager& manager) {
  const SIZE size = manager.ScreenSize();
  json.BeginObject();
  json.Key("width");
  json.Int(size.cx);
  json.Key("height");
  json.Int(size.cy);
  json.Key("task_bar_visible");
  json.Bool(manager.TaskBarVisible());
  json.Key("active");
  json.Bool(manager.IsActive());
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
