#include "app/CommandLine.h"

#include <charconv>

namespace app {

namespace {

bool ParseInt(const std::string& text, int low, int high, int& out) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
    return false;
  }
  out = value;
  return true;
}

bool ParseScreen(const std::string& text, CommandLine& line) {
  const size_t x = text.find('x');
  return x != std::string::npos && ParseInt(text.substr(0, x), 16, 4096, line.screen_width) &&
         ParseInt(text.substr(x + 1), 16, 4096, line.screen_height);
}

// Options with a value; false when the value is malformed.
bool ApplyValue(const std::string& option, const std::string& value, CommandLine& line) {
  if (option == "--home")
    line.home = value;
  else if (option == "--device")
    line.device = value;
  else if (option == "--script")
    line.script = value, line.headless = true;
  else if (option == "--shots")
    line.shots = value;
  else if (option == "--screen")
    return (line.simulated_screen = true) && ParseScreen(value, line);
  else if (option == "--zoom")
    return (line.simulated_screen = true) && ParseInt(value, 1, 8, line.zoom);
  else
    return false;
  return !value.empty();
}

// An argument in the sms: scheme (any case), which a desktop entry hands over as it is.
bool IsSmsUri(const std::string& arg) {
  if (arg.size() < 4) return false;
  std::string scheme = arg.substr(0, 4);
  for (char& c : scheme) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return scheme == "sms:";
}

}  // namespace

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string& error) {
  CommandLine line;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      line.help = true;
    } else if (arg == "--headless") {
      line.headless = true;
    } else if (IsSmsUri(arg) && line.uri.empty()) {
      line.uri = arg;
    } else if (i + 1 < args.size() && ApplyValue(arg, args[i + 1], line)) {
      ++i;
    } else {
      error = "bad or incomplete option: " + arg;
      return std::nullopt;
    }
  }
  return line;
}

}  // namespace app
