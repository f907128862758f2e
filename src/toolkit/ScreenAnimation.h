// ScreenAnimation: a whole-screen transition stepped by the shell's transition runner. Each
// step draws one frame into the work image from the old and the new screen images, for the
// milliseconds elapsed since the start, limited to the animated area (client coordinates,
// the same in all three images). Once the elapsed time is past the duration the step sets
// `done` and draws the exact end state.
#pragma once

#include <cstdint>

#include "platform/Surface.h"

class ScreenAnimation {
 public:
  explicit ScreenAnimation(int32_t duration_ms) : duration(duration_ms) {}
  virtual ~ScreenAnimation() = default;
  ScreenAnimation(const ScreenAnimation&) = delete;
  ScreenAnimation& operator=(const ScreenAnimation&) = delete;

  virtual void Step(bool& done, uint32_t elapsed_ms, platform::Surface& work,
                    const platform::Surface& old_image, const platform::Surface& new_image,
                    const RECT& area) = 0;

  int32_t duration;

 protected:
  // Sets `done` once `elapsed_ms` is past the duration and returns the elapsed time clamped
  // to the duration (never negative).
  uint32_t ClampElapsed(bool& done, uint32_t elapsed_ms) const {
    const uint32_t limit = duration > 0 ? static_cast<uint32_t>(duration) : 0u;
    if (elapsed_ms > limit || duration <= 0) {
      done = true;
      return limit;
    }
    return elapsed_ms;
  }
};
