// What a Font holds: its (sanitised) description, the pango description made from it, and
// the line height. Immutable after construction, so a Font may be shared between threads.
#pragma once

#include "platform/Surface.h"
#include "platform/gfx/GfxHandles.h"

namespace platform {

struct Font::Impl {
  explicit Impl(const FontDescription& description);
  FontDescription description;
  gfx::PangoFontDescriptionPtr pango;
  int line_height = 1;
};

}  // namespace platform
