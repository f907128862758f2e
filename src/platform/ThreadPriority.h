// Scheduling priority of the calling thread, for background work that must not slow the UI
// thread (the contact loader): "below normal" is a nice value 4 steps above the process's.
#pragma once

namespace platform {

// Lowers the calling thread's priority; false when the system refused (the work then simply
// runs at normal priority).
bool LowerCurrentThreadPriority();

}  // namespace platform
