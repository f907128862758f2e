#include "platform/ThreadPriority.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <thread>

namespace {

int NiceOfThisThread() {
  return getpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)));
}

// Only the calling thread is lowered, by four steps; the others keep their priority.
TEST(ThreadPriority, LowersTheCallingThreadOnly) {
  const int main_nice = NiceOfThisThread();
  int worker_before = 0;
  int worker_after = 0;
  bool lowered = false;
  std::thread worker([&] {
    worker_before = NiceOfThisThread();
    lowered = platform::LowerCurrentThreadPriority();
    worker_after = NiceOfThisThread();
  });
  worker.join();
  ASSERT_TRUE(lowered);
  EXPECT_EQ(worker_after, std::min(worker_before + 4, 19));
  EXPECT_EQ(NiceOfThisThread(), main_nice);
}

}  // namespace
