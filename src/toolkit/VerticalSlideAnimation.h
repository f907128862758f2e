// VerticalSlideAnimation: moves a control's rect up or down to a target top, eased out
// (pop-up menus sliding in from the top edge and back out).
#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/Animation.h"

class LightControl;

class VerticalSlideAnimation final : public Animation {
 public:
  VerticalSlideAnimation(LightControl& control, int32_t target_top, int32_t duration_ms);

  // Moves the control to the path entry for `elapsed_ms`; returns the union of its old and
  // new rect.
  RECT Step(bool& done, uint32_t elapsed_ms) override;

 private:
  LightControl& control_;
  std::vector<int32_t> path_;
};
