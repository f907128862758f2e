#include "toolkit/VerticalSlideAnimation.h"

#include "toolkit/AnimationPath.h"
#include "toolkit/LightControl.h"

VerticalSlideAnimation::VerticalSlideAnimation(LightControl& control, int32_t target_top,
                                               int32_t duration_ms)
    : Animation(duration_ms),
      control_(control),
      path_(BuildPath(control.rect.top, target_top, PathStepsFor(duration_ms))) {}

RECT VerticalSlideAnimation::Step(bool& done, uint32_t elapsed_ms) {
  if (static_cast<int64_t>(elapsed_ms) > duration || duration <= 0) {
    done = true;
  }
  const RECT before = control_.rect;
  const int32_t top = done ? path_.back() : PathAt(path_, elapsed_ms);
  const int32_t dy = top - before.top;
  control_.rect = OffsetRect(before, 0, dy);
  return UnionRect(before, control_.rect);
}
