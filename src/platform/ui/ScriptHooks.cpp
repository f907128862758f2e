#include "platform/ui/ScriptHooks.h"

namespace platform::ui {

ScriptHooks& ScriptHooks::Instance() {
  static ScriptHooks hooks;
  return hooks;
}

void ScriptHooks::Add(const std::string& name, Hook hook) {
  for (auto& entry : hooks_) {
    if (entry.first == name) {
      entry.second = std::move(hook);
      return;
    }
  }
  hooks_.emplace_back(name, std::move(hook));
}

std::string ScriptHooks::Run(const std::string& name, const std::u16string& arguments) const {
  for (const auto& [hook_name, hook] : hooks_) {
    // Copy: the hook may replace itself.
    if (hook_name == name) return Hook(hook)(arguments);
  }
  return "no such hook";
}

}  // namespace platform::ui
