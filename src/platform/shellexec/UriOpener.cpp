#include "platform/shellexec/UriOpener.h"

#include <string_view>

#include "platform/shellexec/ProgramStarter.h"

namespace platform::shellexec {

namespace {

// A URI this module hands on: printable ASCII without spaces, starting with a scheme
// ("tel:", "mailto:"), so that the tool can never take it for an option.
bool IsPlainUri(const std::string& uri) {
  const size_t colon = uri.find(':');
  if (colon == uri.npos || colon == 0) return false;
  for (size_t i = 0; i < colon; ++i) {
    const char c = uri[i];
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!letter && (i == 0 || !((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'))) {
      return false;
    }
  }
  for (char c : uri) {
    if (static_cast<unsigned char>(c) <= 0x20 || static_cast<unsigned char>(c) >= 0x7F) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<UriOpener> FindUriOpener() {
  if (auto xdg_open = FindOnPath("xdg-open")) return UriOpener{*xdg_open, {}};
  if (auto gio = FindOnPath("gio")) return UriOpener{*gio, {"open"}};
  return std::nullopt;
}

OpenUriResult OpenUri(const std::string& uri, OpenUriExit on_exit) {
  if (!IsPlainUri(uri)) return OpenUriResult::kInvalidUri;
  const std::optional<UriOpener> opener = FindUriOpener();
  if (!opener) return OpenUriResult::kNoOpener;
  std::vector<std::string> arguments{opener->program};
  arguments.insert(arguments.end(), opener->verbs.begin(), opener->verbs.end());
  arguments.push_back(uri);
  // The tool usually ends as soon as the handler runs; some wait for it.
  return StartProgram(arguments, std::move(on_exit)) ? OpenUriResult::kStarted
                                                     : OpenUriResult::kFailed;
}

}  // namespace platform::shellexec
