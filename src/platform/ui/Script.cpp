#include "platform/ui/Script.h"

#include <array>
#include <charconv>
#include <utility>

#include "platform/Messages.h"
#include "platform/Text.h"

namespace platform::ui {

namespace {

using Kind = ScriptCommand::Kind;

struct KeyName {
  std::string_view name;
  uint32_t code;
};

constexpr std::array kKeyNames{
    KeyName{"VK_BACK", VK_BACK},       KeyName{"VK_TAB", VK_TAB},
    KeyName{"VK_RETURN", VK_RETURN},   KeyName{"VK_SHIFT", VK_SHIFT},
    KeyName{"VK_CONTROL", VK_CONTROL}, KeyName{"VK_ESCAPE", VK_ESCAPE},
    KeyName{"VK_SPACE", VK_SPACE},     KeyName{"VK_PRIOR", VK_PRIOR},
    KeyName{"VK_NEXT", VK_NEXT},       KeyName{"VK_END", VK_END},
    KeyName{"VK_HOME", VK_HOME},       KeyName{"VK_LEFT", VK_LEFT},
    KeyName{"VK_UP", VK_UP},           KeyName{"VK_RIGHT", VK_RIGHT},
    KeyName{"VK_DOWN", VK_DOWN},       KeyName{"VK_DELETE", VK_DELETE},
    KeyName{"VK_F1", VK_F1},           KeyName{"VK_F2", VK_F2},
    KeyName{"VK_TSOFT1", VK_TSOFT1},   KeyName{"VK_TSOFT2", VK_TSOFT2},
    KeyName{"VK_TTALK", VK_TTALK},     KeyName{"VK_TEND", VK_TEND},
};

struct CommandName {
  std::string_view name;
  Kind kind;
  int numbers;  // how many numeric arguments follow
};

constexpr std::array kCommands{
    CommandName{"down", Kind::kDown, 2},
    CommandName{"move", Kind::kMove, 2},
    CommandName{"up", Kind::kUp, 2},
    CommandName{"tap", Kind::kTap, 2},
    CommandName{"drag", Kind::kDrag, 5},
    CommandName{"key", Kind::kKey, 0},
    CommandName{"press", Kind::kPress, 0},
    CommandName{"char", Kind::kChar, 0},
    CommandName{"paste", Kind::kPaste, 0},
    CommandName{"test", Kind::kTest, 0},
    CommandName{"wait", Kind::kWait, 1},
    CommandName{"rotate", Kind::kRotate, 0},
    CommandName{"activate", Kind::kActivate, 0},
    CommandName{"deactivate", Kind::kDeactivate, 0},
    CommandName{"post", Kind::kPost, 0},
    CommandName{"shot", Kind::kShot, 0},
    CommandName{"dump", Kind::kDump, 0},
    CommandName{"quit", Kind::kQuit, 0},
};

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

std::string_view TrimBlank(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Splits off the first blank-separated token.
std::string_view NextToken(std::string_view& rest) {
  rest = TrimBlank(rest);
  size_t end = 0;
  while (end < rest.size() && !IsBlank(rest[end])) ++end;
  std::string_view token = rest.substr(0, end);
  rest.remove_prefix(end);
  return token;
}

std::optional<int64_t> ParseInteger(std::string_view token) {
  int base = 10;
  if (token.size() > 2 && token[0] == '0' && (token[1] == 'x' || token[1] == 'X')) {
    token.remove_prefix(2);
    base = 16;
  }
  int64_t value = 0;
  auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value, base);
  if (error != std::errc() || end != token.data() + token.size() || token.empty()) {
    return std::nullopt;
  }
  return value;
}

// A file name for shot and dump: relative, no "..", no control characters.
bool IsSafeRelativePath(std::string_view path) {
  if (path.empty() || path.size() > 1024 || path.front() == '/') return false;
  for (char c : path) {
    if (static_cast<unsigned char>(c) < 0x20) return false;
  }
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string_view::npos) end = path.size();
    if (path.substr(start, end - start) == "..") return false;
    start = end + 1;
  }
  return true;
}

std::string LineError(int line, std::string_view what) {
  return "line " + std::to_string(line) + ": " + std::string(what);
}

// Reads the numeric arguments of pointer, drag and wait commands into the command.
std::string ParseNumbers(ScriptCommand& command, std::string_view rest, int count) {
  std::array<int64_t, 5> values{};
  for (int i = 0; i < count; ++i) {
    auto value = ParseInteger(NextToken(rest));
    if (!value) return "expected a number";
    values[static_cast<size_t>(i)] = *value;
  }
  if (!TrimBlank(rest).empty()) return "too many arguments";
  if (command.kind == Kind::kWait || command.kind == Kind::kDrag) {
    const int64_t ms = values[static_cast<size_t>(count - 1)];
    if (ms < 0 || ms > kMaxScriptWaitMs) return "milliseconds out of range";
    command.number = static_cast<uint32_t>(ms);
  }
  const int coordinates = command.kind == Kind::kWait ? 0 : (count == 5 ? 4 : count);
  for (int i = 0; i < coordinates; ++i) {
    if (values[static_cast<size_t>(i)] < -kMaxScriptCoordinate ||
        values[static_cast<size_t>(i)] > kMaxScriptCoordinate) {
      return "coordinate out of range";
    }
  }
  // A wait carries no point: its only number is the delay, which must not leak into x1.
  if (coordinates == 0) return {};
  command.x1 = static_cast<int>(values[0]);
  command.y1 = static_cast<int>(values[1]);
  command.x2 = static_cast<int>(count == 5 ? values[2] : values[0]);
  command.y2 = static_cast<int>(count == 5 ? values[3] : values[1]);
  return {};
}

std::string ParseArgument(ScriptCommand& command, std::string_view rest) {
  switch (command.kind) {
    case Kind::kKey:
    case Kind::kPress: {
      auto code = ParseVirtualKey(TrimBlank(rest));
      if (!code) return "unknown key";
      command.number = *code;
      return {};
    }
    case Kind::kChar:
    case Kind::kPaste: {
      rest = TrimBlank(rest);
      if (rest.empty()) return "expected text";
      command.text = FromUtf8(rest);
      return {};
    }
    case Kind::kTest: {
      std::string_view token = NextToken(rest);
      if (token.empty()) return "expected a hook name";
      command.name = std::string(token);
      command.text = FromUtf8(TrimBlank(rest));
      return {};
    }
    case Kind::kPost: {
      std::string_view token = NextToken(rest);
      if (token.empty() || !TrimBlank(rest).empty()) return "expected one message name";
      if (auto number = ParseInteger(token)) {
        if (*number < 0 || *number > 0xFFFF) return "message number out of range";
        command.number = static_cast<uint32_t>(*number);
      } else {
        command.text = FromUtf8(token);
      }
      return {};
    }
    case Kind::kShot:
    case Kind::kDump: {
      std::string_view token = NextToken(rest);
      if (!TrimBlank(rest).empty() || !IsSafeRelativePath(token)) {
        return "expected one relative file name";
      }
      command.file = std::string(token);
      return {};
    }
    default:
      return TrimBlank(rest).empty() ? std::string() : "unexpected argument";
  }
}

std::string ParseLine(std::string_view line, int number, std::vector<ScriptCommand>& out) {
  std::string_view rest = TrimBlank(line);
  if (rest.empty() || rest.front() == '#') return {};
  std::string_view name = NextToken(rest);
  for (const CommandName& entry : kCommands) {
    if (entry.name != name) continue;
    ScriptCommand command;
    command.kind = entry.kind;
    command.line = number;
    std::string error = entry.numbers > 0 ? ParseNumbers(command, rest, entry.numbers)
                                          : ParseArgument(command, rest);
    if (!error.empty()) return LineError(number, std::string(name) + ": " + error);
    out.push_back(std::move(command));
    return {};
  }
  return LineError(number, "unknown command");
}

}  // namespace

char16_t DesktopKeyCharacter(uint32_t virtual_key) {
  if (virtual_key >= 'A' && virtual_key <= 'Z') return static_cast<char16_t>(virtual_key + 32);
  if (virtual_key >= '0' && virtual_key <= '9') return static_cast<char16_t>(virtual_key);
  if (virtual_key == VK_SPACE || virtual_key == VK_BACK || virtual_key == VK_RETURN) {
    return static_cast<char16_t>(virtual_key);
  }
  return 0;
}

std::optional<uint32_t> ParseVirtualKey(std::string_view token) {
  for (const KeyName& key : kKeyNames) {
    if (key.name == token) return key.code;
  }
  if (token.size() == 1 &&
      ((token[0] >= 'A' && token[0] <= 'Z') || (token[0] >= '0' && token[0] <= '9'))) {
    return static_cast<uint32_t>(token[0]);
  }
  auto value = ParseInteger(token);
  if (!value || *value < 0 || *value > 255) return std::nullopt;
  return static_cast<uint32_t>(*value);
}

ScriptParseResult ParseScript(std::string_view source) {
  ScriptParseResult result;
  int number = 0;
  while (!source.empty()) {
    ++number;
    if (static_cast<size_t>(number) > kMaxScriptLines) {
      result.error = LineError(number, "too many lines");
      break;
    }
    size_t end = source.find('\n');
    std::string_view line = source.substr(0, end);
    source.remove_prefix(end == std::string_view::npos ? source.size() : end + 1);
    if (line.size() > kMaxScriptLineLength) {
      result.error = LineError(number, "line too long");
      break;
    }
    if (line.find('\0') != std::string_view::npos) {
      result.error = LineError(number, "NUL character");
      break;
    }
    result.error = ParseLine(line, number, result.commands);
    if (!result.error.empty()) break;
  }
  if (!result.ok()) result.commands.clear();
  return result;
}

}  // namespace platform::ui
