// Whether background threads still change what the screens show: the contact loading thread,
// the SMS counter thread or a platform window's worker (the picture chooser's thumbnails).
// Scripted runs hold their next command back until this is false, so that what a script sees
// does not depend on the speed of those threads.
#pragma once

namespace shell {

// UI thread.
bool BackgroundWorkRunning();

}  // namespace shell
