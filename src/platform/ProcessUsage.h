// What the running process has used so far: real time since it started, CPU time and its
// peak resident memory. For the start-up trace; no code times anything with it.
#pragma once

#include <cstdint>

namespace platform {

struct ProcessUsage {
  uint32_t elapsed_ms = 0;  // since the process image was loaded
  double cpu_seconds = 0;   // user and system, all threads
  int64_t peak_rss_kib = 0;

  static ProcessUsage Now();
};

}  // namespace platform
