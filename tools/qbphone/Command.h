// qbphone speaks for the phone around Quillbook: registry, contacts, SMS, demo data. Each
// command group lives in its own file and registers itself here by name at start-up.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace qbphone {

// Arguments after the group name (for "qbphone reg get ...": {"get", ...}). The device
// profile is already selected when a command runs. Returns the process exit code.
using CommandFunction = std::function<int(const std::vector<std::string>& args)>;

struct CommandRegistrar {
  CommandRegistrar(const char* name, const char* usage, CommandFunction function);
};

}  // namespace qbphone
