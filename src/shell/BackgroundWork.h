// Whether background threads still change what the screens show: the contact loading thread,
// the SMS counter thread, a platform window's worker (the picture chooser's thumbnails), or an
// SMS send waiting for the modem's answer.
// Scripted runs hold their next command back until this is false, so that what a script sees
// does not depend on the speed of those threads.
#pragma once

namespace shell {

// UI thread.
bool BackgroundWorkRunning();

}  // namespace shell
