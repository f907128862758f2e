// ListAnimation: scrolls a smart list to a target offset, one millisecond per pixel up to a
// maximum duration, eased out. A negative target means "back to the top with a bounce": the
// list runs to offset 0 through the overshoot table.
#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/Animation.h"

class SmartListControl;

class ListAnimation final : public Animation {
 public:
  ListAnimation(SmartListControl& list, int32_t target, int32_t max_duration_ms);

  // Sets the list's offset to the path entry for `elapsed_ms`; returns the list's rect.
  RECT Step(bool& done, uint32_t elapsed_ms) override;

  const std::vector<int32_t>& Path() const { return path_; }

 private:
  SmartListControl& list_;
  std::vector<int32_t> path_;
};
