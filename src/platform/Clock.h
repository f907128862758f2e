// The tick count: milliseconds since an arbitrary start, wrapping at 2^32 like the old
// platform's GetTickCount. Real (monotonic) by default; virtual in scripted runs and tests,
// where time moves only when it is advanced, so every run is deterministic. No code outside
// this file reads a system clock for timing.
#pragma once

#include <cstdint>

namespace platform {

class Clock {
 public:
  // Milliseconds; thread-safe.
  static uint32_t TickCount();

  // Switches to the virtual clock, starting at `start` ms. Thread-safe.
  static void UseVirtual(uint32_t start = 0);
  static void UseReal();
  static bool IsVirtual();

  // Moves the virtual clock forward; no effect on the real clock.
  static void Advance(uint32_t ms);

  // Wall-clock seconds since the epoch (for message times and date texts). The virtual
  // clock keeps a fixed wall time plus the virtual ticks, so date texts are deterministic.
  static int64_t UnixSeconds();
  static void SetVirtualUnixSeconds(int64_t seconds);

  // Real wall-clock milliseconds since the epoch with a fraction, whatever clock the UI runs
  // on: the time stamp of trace lines, which benchmarks line up with other processes' times.
  static double TraceMs();
};

}  // namespace platform
