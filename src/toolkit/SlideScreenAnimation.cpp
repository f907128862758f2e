#include "toolkit/SlideScreenAnimation.h"

#include <algorithm>

#include "toolkit/AnimationPath.h"

SlideScreenAnimation::SlideScreenAnimation(int32_t duration_ms, const RECT& area, int direction)
    : ScreenAnimation(duration_ms),
      direction_(static_cast<uint8_t>(direction)),
      path_(BuildPath(0, std::max(RectWidth(area), 0), PathStepsFor(duration_ms))) {}

void SlideScreenAnimation::Step(bool& done, uint32_t elapsed_ms, platform::Surface& work,
                                const platform::Surface& old_image,
                                const platform::Surface& new_image, const RECT& area) {
  elapsed_ms = ClampElapsed(done, elapsed_ms);
  const int width = RectWidth(area);
  const int height = RectHeight(area);
  if (width <= 0 || height <= 0) return;
  // The path was built for the area given at construction; a narrower area at a step
  // must not let the copies run past it.
  const int p = done ? width : std::clamp(PathAt(path_, elapsed_ms), 0, width);
  if (direction_ == 0) {
    work.BitBlt(area.left, area.top, width - p, height, old_image, area.left + p, area.top);
    work.BitBlt(area.left + width - p, area.top, p, height, new_image, area.left, area.top);
  } else {
    work.BitBlt(area.left + p, area.top, width - p, height, old_image, area.left, area.top);
    work.BitBlt(area.left, area.top, p, height, new_image, area.left + width - p, area.top);
  }
}
