// Full-screen handling: the posted full-screen request that places the window and runs the
// first relayout, and ApplyFullScreen, which hides or shows the task bar.
#pragma once

namespace shell {

// "QuillbookDoFullScreen": foreground, apply the preference, place the window below the task
// bar (or over the whole screen), set layout-ready and relayout.
void HandleFullScreenRequest();
// On: foreground, the window over the whole screen, task bar hidden. Off: task bar shown.
void ApplyFullScreen(bool on);
// Posts "QuillbookDoFullScreen" to the main window.
void RequestFullScreen();

}  // namespace shell
