// The scroll offsets of an endless fling over a list, shared by the fling benchmarks: each
// step is the last one divided by the theme's friction, starting again at 40 px once it drops
// below 4 px, and the direction turns at either end of the content.
#pragma once

#include <cstdint>

#include "toolkit/SmartListControl.h"

class FlingPath {
 public:
  explicit FlingPath(float friction) : friction_(friction) {}

  int32_t Next(SmartListControl& list) {
    step_ = static_cast<int32_t>(static_cast<float>(step_) / friction_);
    if (step_ < 4) step_ = 40;
    int32_t next = list.ScrollOffset() + direction_ * step_;
    if (next < 0 || next > list.MaxScrollOffset()) {
      direction_ = -direction_;
      next = list.ScrollOffset() + direction_ * step_;
    }
    return next;
  }

 private:
  float friction_;
  int32_t step_ = 40;
  int32_t direction_ = 1;
};
