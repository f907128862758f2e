// The program entry of the shell: the instance start with the single-instance rule, the main
// window, and the message loop. A window manager must exist (the application's main creates
// it from the command line).
#pragma once

#include <string>

#include "platform/ui/Window.h"

namespace shell {

// Runs the program until the quit message; returns its exit code. A second start (another
// instance of the same device profile runs) brings that instance forward and returns 0 at
// once, as does a failure to create the window. `uri` (an sms: URI, or empty) is opened by
// whichever instance runs.
int RunQuillbook(const std::string& uri = {});

// When an instance of this device profile runs (in another process), hands it the start's
// request (come forward, open `uri`) and returns true: the start then ends before it opens a
// window of its own. False when none answers.
bool HandOverToRunningInstance(const std::string& uri);

// The instance start without the single-instance check: the main window, created and shown
// (which activates it). Null on failure. Tests start the shell with it.
platform::ui::HWND CreateMainWindow();

// Adds the shell's section to state dumps (idempotent).
void RegisterShellDump();

}  // namespace shell
