#include "platform/ui/TimerTable.h"

#include <algorithm>

namespace platform::ui {

void TimerTable::Set(Window* hwnd, uintptr_t id, uint32_t interval_ms, uint32_t now) {
  const uint32_t interval = std::max<uint32_t>(1, interval_ms);
  for (Timer& timer : timers_) {
    if (timer.hwnd == hwnd && timer.id == id) {
      timer.interval = interval;
      timer.due = now + interval;
      return;
    }
  }
  timers_.push_back(Timer{hwnd, id, interval, now + interval, next_sequence_++});
}

bool TimerTable::Kill(Window* hwnd, uintptr_t id) {
  auto it = std::find_if(timers_.begin(), timers_.end(),
                         [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
  if (it == timers_.end()) return false;
  timers_.erase(it);
  return true;
}

void TimerTable::KillAll(Window* hwnd) {
  std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd; });
}

std::optional<TimerTable::Due> TimerTable::TakeDue(uint32_t now) {
  Timer* best = nullptr;
  for (Timer& timer : timers_) {
    if (Until(timer.due, now) > 0) continue;
    if (!best || Until(timer.due, best->due) < 0 ||
        (timer.due == best->due && timer.sequence < best->sequence)) {
      best = &timer;
    }
  }
  if (!best) return std::nullopt;
  best->due = now + best->interval;
  return Due{best->hwnd, best->id};
}

std::optional<uint32_t> TimerTable::TimeToNext(uint32_t now) const {
  std::optional<uint32_t> next;
  for (const Timer& timer : timers_) {
    const uint32_t wait = static_cast<uint32_t>(std::max<int32_t>(0, Until(timer.due, now)));
    if (!next || wait < *next) next = wait;
  }
  return next;
}

}  // namespace platform::ui
