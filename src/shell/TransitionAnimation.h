// The whole-screen transitions the shell runs: the toolkit's ScreenAnimation, plus a cut for
// changes of screen that need no motion.
#pragma once

#include <cstdint>

#include "toolkit/ScreenAnimation.h"

namespace shell {

using TransitionAnimation = ::ScreenAnimation;

// A cut: the first step shows the new image and is done.
class CutAnimation final : public ScreenAnimation {
 public:
  CutAnimation() : ScreenAnimation(0) {}
  void Step(bool& done, uint32_t elapsed_ms, platform::Surface& work,
            const platform::Surface& old_image, const platform::Surface& new_image,
            const RECT& area) override;
};

}  // namespace shell
