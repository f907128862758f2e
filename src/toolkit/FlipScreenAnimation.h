// FlipScreenAnimation: the screen turns like a page around its vertical centre line, in
// perspective. In the first half the old page turns away (its left edge recedes), in the
// second half the new page turns in; the area behind is filled with the background colour.
#pragma once

#include <cstdint>

#include "toolkit/ScreenAnimation.h"

class FlipScreenAnimation final : public ScreenAnimation {
 public:
  static constexpr int32_t kDurationMs = 500;
  // The greatest depth of a page edge in pixels (at the quarter turn).
  static constexpr int32_t kMaxDepth = 60;

  // The direction is kept for callers; both directions turn the same way.
  explicit FlipScreenAnimation(int direction, int32_t duration_ms = kDurationMs);

  void Step(bool& done, uint32_t elapsed_ms, platform::Surface& work,
            const platform::Surface& old_image, const platform::Surface& new_image,
            const RECT& area) override;

  int direction() const { return direction_; }

 private:
  uint8_t direction_;
};
