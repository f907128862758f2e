// Starting a desktop program as a child process without a shell: its arguments are exactly
// the ones given, so nothing in them is ever interpreted by a shell. The child reads nothing,
// inherits no descriptor beyond the standard three and starts with default signal handling.
//
// Thread use: any thread; the exit report runs on a worker thread of its own.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::shellexec {

// An executable regular file `name` in one of the folders of PATH. Empty and relative
// folders (the current folder) are not searched.
std::optional<std::string> FindOnPath(std::string_view name);

// The exit status: the program's code, 128 + signal when it was killed, -1 when unknown.
using ProgramExit = std::function<void(int status)>;

// Starts arguments[0] (an absolute path) with the arguments and returns at once; false when
// it could not be started. `on_exit` (may be empty) runs on a worker thread when it ended.
bool StartProgram(std::vector<std::string> arguments, ProgramExit on_exit);

}  // namespace platform::shellexec
