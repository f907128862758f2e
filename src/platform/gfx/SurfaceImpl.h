// What a Surface holds: a cairo ARGB32 image surface, the cairo context drawing on it, the
// clip stack, and whether the pixels carry transparency. Private to the drawing code.
#pragma once

#include <cstdint>

#include "platform/Surface.h"
#include "platform/gfx/ClipStack.h"
#include "platform/gfx/GfxHandles.h"

namespace platform {

struct Surface::Impl {
  Impl(int width, int height);

  // Re-applies the clip stack to the cairo context (after every clip change).
  void ApplyClip();
  // Pixels for direct access: flushes cairo's pending drawing first.
  uint32_t* PixelsForWriting();
  const uint32_t* PixelsForReading() const;
  // Tells cairo that pixels inside `rect` were written directly.
  void MarkDirty(const RECT& rect);

  gfx::CairoSurfacePtr surface;
  gfx::CairoContextPtr cr;
  int width = 1;
  int height = 1;
  int stride_pixels = 1;
  bool has_alpha = false;
  gfx::ClipStack clip;
};

}  // namespace platform
