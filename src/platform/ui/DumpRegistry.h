// Named sections of the state dump. The window manager writes the screen and its windows;
// every other part of the program that wants to appear in a dump adds a section here (the
// shell, and each screen as it is built). A section writes one JSON value under its name.
// UI thread only.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/JsonWriter.h"

namespace platform::ui {

class WindowManager;

class DumpRegistry {
 public:
  using Section = std::function<void(JsonWriter&)>;

  static DumpRegistry& Instance();

  // Adds or replaces the section of that name; sections are written in the order first added.
  void Add(const std::string& name, Section section);
  void Remove(const std::string& name);

  // The whole dump: {"screen": ..., "windows": [...], <sections>...}.
  std::string Write(WindowManager& manager) const;

 private:
  std::vector<std::pair<std::string, Section>> sections_;
};

}  // namespace platform::ui
