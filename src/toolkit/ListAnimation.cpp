#include "toolkit/ListAnimation.h"

#include <algorithm>
#include <cstdlib>

#include "toolkit/AnimationPath.h"
#include "toolkit/SmartListControl.h"

namespace {

int32_t ScrollDuration(int32_t from, int32_t target, int32_t max_duration_ms) {
  const int64_t distance = std::llabs(static_cast<int64_t>(from) - target);
  return static_cast<int32_t>(std::clamp<int64_t>(distance, 0, std::max(max_duration_ms, 0)));
}

}  // namespace

ListAnimation::ListAnimation(SmartListControl& list, int32_t target, int32_t max_duration_ms)
    : Animation(ScrollDuration(list.ScrollOffset(), target, max_duration_ms)), list_(list) {
  const int32_t from = list.ScrollOffset();
  const int32_t steps = PathStepsFor(duration);
  if (target < 0) {
    path_ = BuildPath(from, 0, steps, kOvershootTable);
  } else {
    path_ = BuildPath(from, target, steps, kEaseOutTable);
  }
}

RECT ListAnimation::Step(bool& done, uint32_t elapsed_ms) {
  if (static_cast<int64_t>(elapsed_ms) > duration) {
    done = true;
    elapsed_ms = static_cast<uint32_t>(std::max(duration, 0));
  }
  list_.SetScrollOffset(PathAt(path_, elapsed_ms));
  return list_.rect;
}
