// The desktop's URI opener: hands a URI (tel:, mailto:) to the desktop's default handler by
// starting its standard opening tool, xdg-open, or gio ("gio open") where xdg-open is missing.
// The tool is found on PATH and started as a child process without a shell: its arguments
// are exactly its own and the URI, so nothing in the URI is ever interpreted by a shell.
//
// Thread use: OpenUri may be called from any thread; the exit report runs on a worker thread
// of its own.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform::shellexec {

struct UriOpener {
  std::string program;             // absolute path of the tool
  std::vector<std::string> verbs;  // arguments before the URI ("open" for gio)
};

// The opener found on PATH (xdg-open first, then gio); nullopt when neither exists.
std::optional<UriOpener> FindUriOpener();

enum class OpenUriResult {
  kStarted,     // the tool runs; its exit status arrives later
  kNoOpener,    // neither tool is installed
  kInvalidUri,  // the URI is not printable ASCII without spaces, or has no scheme
  kFailed,      // the tool could not be started
};

// The exit status of the tool: 0 when the handler was started, else the tool's code (xdg-open:
// 3 no handler tool, 4 the action failed), 128 + signal when it was killed.
using OpenUriExit = std::function<void(int status)>;

// Starts the opener on `uri` and returns at once. `on_exit` (may be empty) runs on a worker
// thread when the tool has ended; it is not called unless the result is kStarted.
OpenUriResult OpenUri(const std::string& uri, OpenUriExit on_exit);

}  // namespace platform::shellexec
