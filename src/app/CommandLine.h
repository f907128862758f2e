// The command line of quillbook.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace app {

struct CommandLine {
  std::string home;    // --home DIR
  std::string device;  // --device DIR
  int screen_width = 240;
  int screen_height = 320;
  int zoom = 1;
  // --screen or --zoom: a simulated phone screen in a desktop window; without either, a window
  // shows Quillbook full screen at its output's size (a headless run keeps 240x320).
  bool simulated_screen = false;
  bool headless = false;  // also set by --script
  std::string script;
  std::string shots;
  bool help = false;
  std::string uri;  // an sms: URI to open (RFC 5724), checked by its parser later
};

inline constexpr char kUsage[] =
    "usage: quillbook [--home DIR] [--device DIR] [--screen WxH] [--zoom N]\n"
    "                 [--headless] [--script FILE] [--shots DIR] [--help] [sms:URI]\n";

// Parses the arguments after the program name; nullopt (with `error` set) when malformed.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string& error);

}  // namespace app
