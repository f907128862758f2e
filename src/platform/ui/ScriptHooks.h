// Test hooks that scripts run with `test NAME ARGS`: the program registers what only it can do
// (for example opening a test text box) under a name. A hook gets the rest of the line and
// returns an error text, empty on success; an unknown name is an error too, which ends the
// script. UI thread only.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace platform::ui {

class ScriptHooks {
 public:
  using Hook = std::function<std::string(const std::u16string& arguments)>;

  static ScriptHooks& Instance();

  // Adds or replaces the hook of that name.
  void Add(const std::string& name, Hook hook);
  std::string Run(const std::string& name, const std::u16string& arguments) const;

 private:
  std::vector<std::pair<std::string, Hook>> hooks_;
};

}  // namespace platform::ui
