// Scripts of headless runs: one command per line, parsed in full before the run starts so
// that a mistake is reported with its line number before anything happens. A script is
// outside input: line length, line count, numbers and file names are all checked.
//
//   down X Y | move X Y | up X Y | tap X Y      pen at screen pixel (X, Y)
//   drag X1 Y1 X2 Y2 MS                         pen down, moves over MS ms, pen up
//   key VK                                      WM_KEYDOWN; VK a number or a name (VK_DOWN)
//   press VK                                    a desktop keyboard's press: WM_KEYDOWN, then
//                                               WM_CHAR of the character the key types
//   char TEXT                                   WM_CHAR per UTF-16 unit of the rest of the line
//   paste TEXT                                  the rest of the line onto the clipboard, then
//                                               WM_PASTE to the window with the focus
//   test NAME [ARGS]                            runs the test hook the program registered
//                                               under NAME (ScriptHooks) with the rest
//   wait MS                                     advance the virtual clock, running timers
//   rotate | activate | deactivate | quit
//   post NAME                                   a registered message name or a message number
//   shot FILE.png | dump FILE.json              relative to the shots folder
//   # comment
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::ui {

inline constexpr size_t kMaxScriptLineLength = 4096;
inline constexpr size_t kMaxScriptLines = 100000;
inline constexpr int kMaxScriptCoordinate = 32767;
inline constexpr uint32_t kMaxScriptWaitMs = 3600000;

struct ScriptCommand {
  enum class Kind {
    kDown,
    kMove,
    kUp,
    kTap,
    kDrag,
    kKey,
    kPress,
    kChar,
    kPaste,
    kTest,
    kWait,
    kRotate,
    kActivate,
    kDeactivate,
    kPost,
    kShot,
    kDump,
    kQuit
  };
  Kind kind = Kind::kQuit;
  int line = 0;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  uint32_t number = 0;  // key code, wait or drag milliseconds, message number
  std::u16string text;  // char and paste text, post name (empty when numeric), test arguments
  std::string name;     // test hook name
  std::string file;     // shot and dump targets
};

struct ScriptParseResult {
  std::vector<ScriptCommand> commands;
  std::string error;  // "line N: ..." when parsing failed
  bool ok() const { return error.empty(); }
};

ScriptParseResult ParseScript(std::string_view source);

// The character a desktop keyboard types with the key (no modifier held): letters in lower
// case, digits, space, and Backspace and Return as the control characters 8 and 13; 0 for
// keys that type nothing.
char16_t DesktopKeyCharacter(uint32_t virtual_key);

// A virtual-key code by name ("VK_DOWN", "VK_RETURN", ...) or number (decimal or 0x hex,
// at most 255).
std::optional<uint32_t> ParseVirtualKey(std::string_view token);

}  // namespace platform::ui
