// Animation: the motion of one control or list, stepped by a blocking runner on the UI
// thread (RunListAnimation, RunControlAnimation) with the milliseconds elapsed since it
// started. Each step returns the client rectangle that changed; once the elapsed time is past
// the duration the step sets `done` and applies the exact end state.
#pragma once

#include <cstdint>

#include "platform/Types.h"

class Animation {
 public:
  explicit Animation(int32_t duration_ms) : duration(duration_ms) {}
  virtual ~Animation() = default;
  Animation(const Animation&) = delete;
  Animation& operator=(const Animation&) = delete;

  virtual RECT Step(bool& done, uint32_t elapsed_ms) = 0;

  int32_t duration;
};
