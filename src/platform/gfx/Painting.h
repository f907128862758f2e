// Shared pieces of the scaled drawing operations: choosing the cairo source for a surface
// (its own pixels, an opaque view that ignores alpha, or a copy when a surface draws onto
// itself) and painting a source rectangle scaled into a destination rectangle.
#pragma once

#include <cairo.h>

#include "platform/Surface.h"
#include "platform/gfx/GfxHandles.h"

namespace platform::gfx {

enum class SourceAlpha { kKeep, kIgnore };

// A cairo surface to read `source` from while drawing on `target`. With kIgnore the alpha
// byte is not looked at (the premultiplied colour bits are taken as opaque colours).
CairoSurfacePtr SourceFor(const Surface& source, const Surface* target, SourceAlpha alpha);

// Paints `from` (a rectangle inside `source`) scaled onto `to` with bilinear filtering and
// edge pixels repeated outward, with the operator and a constant alpha (0..1).
void PaintScaled(cairo_t* cr, cairo_surface_t* source, const RECT& from, const RECT& to,
                 cairo_operator_t op, double alpha, cairo_filter_t filter = CAIRO_FILTER_BILINEAR);

// Whether any pixel of the surface is not fully opaque.
bool AnyTranslucentPixel(const Surface& surface);

}  // namespace platform::gfx
