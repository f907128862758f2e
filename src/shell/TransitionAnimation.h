// The interface of a whole-screen transition stepped by the transition runner: each step draws
// one frame into the work image from the old and the new screen images, for the milliseconds
// elapsed since the start, and sets `done` once the elapsed time is past its duration (drawing
// the exact end state then).
#pragma once

#include <cstdint>

#include "platform/Surface.h"

namespace shell {

class TransitionAnimation {
 public:
  virtual ~TransitionAnimation() = default;
  virtual void Step(bool& done, uint32_t elapsed_ms, platform::Surface& work,
                    const platform::Surface& old_image, const platform::Surface& new_image,
                    const RECT& area) = 0;
};

// A cut: the first step shows the new image and is done. Used where a transition's motion is
// not built yet.
class CutAnimation final : public TransitionAnimation {
 public:
  void Step(bool& done, uint32_t elapsed_ms, platform::Surface& work,
            const platform::Surface& old_image, const platform::Surface& new_image,
            const RECT& area) override;
};

}  // namespace shell
