// ReverseAnimation: plays another screen animation backward, with the old and the new screen
// images exchanged, so a closing screen retraces the way it opened. Owns the inner animation.
#pragma once

#include <memory>

#include "toolkit/ScreenAnimation.h"

class ReverseAnimation final : public ScreenAnimation {
 public:
  explicit ReverseAnimation(std::unique_ptr<ScreenAnimation> inner);

  void Step(bool& done, uint32_t elapsed_ms, platform::Surface& work,
            const platform::Surface& old_image, const platform::Surface& new_image,
            const RECT& area) override;

 private:
  std::unique_ptr<ScreenAnimation> inner_;
};
