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

// Exit codes shared by every command group.
inline constexpr int kExitNotFound = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitStoreFailed = 3;

// Prints "qbphone GROUP: MESSAGE" on standard error and returns `code`.
int CommandFailure(const char* group, int code, const std::string& message);

// qbphone sms outgoing [--json] | clear: the simulated network's record of sent SMS.
int SmsOutgoing(const std::vector<std::string>& args);

}  // namespace qbphone
