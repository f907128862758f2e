// Periodic timers by (window, id), driven by the platform tick count so that they follow the
// virtual clock in scripted runs. A timer fires at most once per due check; its next due time
// is one interval after the moment it fired (missed periods are not caught up). UI thread only.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/Messages.h"

namespace platform::ui {

class Window;

class TimerTable {
 public:
  struct Due {
    Window* hwnd;
    uintptr_t id;
  };

  // Sets or replaces the timer (window, id); an interval of 0 is treated as 1 ms.
  void Set(Window* hwnd, uintptr_t id, uint32_t interval_ms, uint32_t now);
  // False when there was no such timer.
  bool Kill(Window* hwnd, uintptr_t id);
  void KillAll(Window* hwnd);

  // The earliest timer due at `now` (ties: the one set first), rescheduled; nullopt if none.
  std::optional<Due> TakeDue(uint32_t now);
  // Milliseconds until the next timer is due (0 when one is due); nullopt with no timers.
  std::optional<uint32_t> TimeToNext(uint32_t now) const;
  bool Empty() const { return timers_.empty(); }

 private:
  struct Timer {
    Window* hwnd;
    uintptr_t id;
    uint32_t interval;
    uint32_t due;
    uint64_t sequence;
  };
  // Signed distance of `due` after `now`, correct across the 2^32 wrap.
  static int32_t Until(uint32_t due, uint32_t now) { return static_cast<int32_t>(due - now); }

  std::vector<Timer> timers_;
  uint64_t next_sequence_ = 0;
};

}  // namespace platform::ui
