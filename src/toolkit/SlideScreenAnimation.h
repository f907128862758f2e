// SlideScreenAnimation: the new screen pushes the old one sideways. Direction 0 brings the
// new screen in from the right (forward), 1 from the left (back). Eased out over the width of
// the animated area.
#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/ScreenAnimation.h"

class SlideScreenAnimation final : public ScreenAnimation {
 public:
  SlideScreenAnimation(int32_t duration_ms, const RECT& area, int direction);

  void Step(bool& done, uint32_t elapsed_ms, platform::Surface& work,
            const platform::Surface& old_image, const platform::Surface& new_image,
            const RECT& area) override;

 private:
  uint8_t direction_;
  std::vector<int32_t> path_;
};
