// Fuzzes the headless script parser: any bytes must parse or fail cleanly, and an accepted
// script must only hold values inside the documented bounds.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/ui/Script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace platform::ui;
  const ScriptParseResult result =
      ParseScript(std::string_view(reinterpret_cast<const char*>(data), size));
  for (const ScriptCommand& command : result.commands) {
    for (int v : {command.x1, command.y1, command.x2, command.y2}) {
      if (v < -kMaxScriptCoordinate || v > kMaxScriptCoordinate) std::abort();
    }
    if (command.kind == ScriptCommand::Kind::kWait && command.number > kMaxScriptWaitMs) {
      std::abort();
    }
    if (!command.file.empty() && command.file.front() == '/') std::abort();
  }
  return 0;
}
