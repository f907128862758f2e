#include "platform/ProcessUsage.h"

#include <sys/resource.h>

#include <chrono>

namespace platform {

namespace {

// Taken when the program's static objects are made, before main.
const std::chrono::steady_clock::time_point g_start = std::chrono::steady_clock::now();

}  // namespace

ProcessUsage ProcessUsage::Now() {
  ProcessUsage usage;
  usage.elapsed_ms = static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                               std::chrono::steady_clock::now() - g_start)
                                               .count());
  rusage self{};
  if (getrusage(RUSAGE_SELF, &self) == 0) {
    usage.cpu_seconds = static_cast<double>(self.ru_utime.tv_sec + self.ru_stime.tv_sec) +
                        static_cast<double>(self.ru_utime.tv_usec + self.ru_stime.tv_usec) / 1e6;
    usage.peak_rss_kib = self.ru_maxrss;
  }
  return usage;
}

}  // namespace platform
