#include "toolkit/ReverseAnimation.h"

#include <algorithm>

ReverseAnimation::ReverseAnimation(std::unique_ptr<ScreenAnimation> inner)
    : ScreenAnimation(inner ? inner->duration : 0), inner_(std::move(inner)) {}

void ReverseAnimation::Step(bool& done, uint32_t elapsed_ms, platform::Surface& work,
                            const platform::Surface& old_image, const platform::Surface& new_image,
                            const RECT& area) {
  const uint32_t clamped = ClampElapsed(done, elapsed_ms);
  if (!inner_) {
    work.BitBlt(area.left, area.top, RectWidth(area), RectHeight(area), new_image, area.left,
                area.top);
    done = true;
    return;
  }
  const uint32_t limit = static_cast<uint32_t>(std::max(duration, 0));
  bool inner_done = false;
  // The inner animation at its start is this one's end state: the images are exchanged.
  inner_->Step(inner_done, limit - clamped, work, new_image, old_image, area);
}
