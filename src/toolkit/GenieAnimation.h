// GenieAnimation: the new screen pours out of a target rectangle (an icon, a menu button) and
// spreads over the animated area. During the first 60 % of the duration the new screen's box
// grows from the target toward the area's edges and top; afterwards its lower end widens
// until it covers the whole area. Rows are pulled inward by a small bulge in the middle.
// Wrapped in a ReverseAnimation it becomes the closing genie back into the target.
#pragma once

#include <cstdint>

#include "toolkit/ScreenAnimation.h"

class GenieAnimation final : public ScreenAnimation {
 public:
  GenieAnimation(int32_t duration_ms, const RECT& target);

  void Step(bool& done, uint32_t elapsed_ms, platform::Surface& work,
            const platform::Surface& old_image, const platform::Surface& new_image,
            const RECT& area) override;

 private:
  RECT target_;
};
