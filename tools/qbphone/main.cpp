// qbphone [--device DIR] GROUP ARGS...: dispatches to the command groups that registered.
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "Command.h"
#include "platform/Paths.h"

namespace qbphone {

namespace {

struct Entry {
  std::string usage;
  CommandFunction function;
};

std::map<std::string, Entry>& Commands() {
  static std::map<std::string, Entry> commands;
  return commands;
}

int Usage() {
  std::fprintf(stderr, "usage: qbphone [--device DIR] COMMAND ...\n");
  for (const auto& [name, entry] : Commands()) std::fprintf(stderr, "  %s\n", entry.usage.c_str());
  return 2;
}

}  // namespace

CommandRegistrar::CommandRegistrar(const char* name, const char* usage, CommandFunction function) {
  Commands()[name] = Entry{usage, std::move(function)};
}

int CommandFailure(const char* group, int code, const std::string& message) {
  std::fprintf(stderr, "qbphone %s: %s\n", group, message.c_str());
  return code;
}

}  // namespace qbphone

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  size_t i = 0;
  while (i < args.size() && args[i].rfind("--", 0) == 0) {
    if (args[i] == "--device" && i + 1 < args.size()) {
      platform::SetDeviceDir(args[i + 1]);
      i += 2;
    } else if (args[i] == "--help") {
      return qbphone::Usage();
    } else {
      std::fprintf(stderr, "qbphone: unknown option %s\n", args[i].c_str());
      return 2;
    }
  }
  if (i >= args.size()) return qbphone::Usage();
  auto it = qbphone::Commands().find(args[i]);
  if (it == qbphone::Commands().end()) {
    std::fprintf(stderr, "qbphone: unknown command %s\n", args[i].c_str());
    return qbphone::Usage();
  }
  std::vector<std::string> rest(args.begin() + static_cast<long>(i) + 1, args.end());
  return it->second.function(rest);
}
