#include "platform/ThreadPriority.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

namespace {

constexpr int kBelowNormalSteps = 4;

}  // namespace

bool LowerCurrentThreadPriority() {
  // On Linux a nice value applies to one thread when given its thread id.
  const auto tid = static_cast<id_t>(::syscall(SYS_gettid));
  errno = 0;
  const int current = ::getpriority(PRIO_PROCESS, tid);
  if (current == -1 && errno != 0) return false;
  return ::setpriority(PRIO_PROCESS, tid, current + kBelowNormalSteps) == 0;
}

}  // namespace platform
