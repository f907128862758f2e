#include "shell/TransitionAnimation.h"

namespace shell {

void CutAnimation::Step(bool& done, uint32_t, platform::Surface& work, const platform::Surface&,
                        const platform::Surface& new_image, const RECT& area) {
  work.BitBlt(area.left, area.top, RectWidth(area), RectHeight(area), new_image, area.left,
              area.top);
  done = true;
}

}  // namespace shell
