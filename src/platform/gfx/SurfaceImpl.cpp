#include "platform/gfx/SurfaceImpl.h"

#include <algorithm>

namespace platform {

namespace {

// Sizes come from layouts and theme values; a surface larger than this is a fault upstream
// and would only exhaust memory.
constexpr int kMaxSurfaceDimension = 8192;

}  // namespace

Surface::Impl::Impl(int w, int h)
    : width(std::clamp(w, 1, kMaxSurfaceDimension)),
      height(std::clamp(h, 1, kMaxSurfaceDimension)),
      clip(RECT{0, 0, width, height}) {
  surface.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
    // Out of memory: a 1x1 surface keeps every later call safe.
    width = height = 1;
    clip = gfx::ClipStack(RECT{0, 0, 1, 1});
    surface.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1));
  }
  stride_pixels = cairo_image_surface_get_stride(surface.get()) / 4;
  cr.reset(cairo_create(surface.get()));
  cairo_set_source_rgb(cr.get(), 1.0, 1.0, 1.0);
  cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr.get());
  cairo_set_operator(cr.get(), CAIRO_OPERATOR_OVER);
}

void Surface::Impl::ApplyClip() {
  cairo_t* c = cr.get();
  cairo_reset_clip(c);
  if (clip.IsUnclipped()) return;
  cairo_new_path(c);
  for (const RECT& r : clip.Region()) {
    cairo_rectangle(c, r.left, r.top, RectWidth(r), RectHeight(r));
  }
  if (clip.Region().empty()) cairo_rectangle(c, 0, 0, 0, 0);
  cairo_clip(c);
}

uint32_t* Surface::Impl::PixelsForWriting() {
  cairo_surface_flush(surface.get());
  return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface.get()));
}

const uint32_t* Surface::Impl::PixelsForReading() const {
  cairo_surface_flush(surface.get());
  return reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surface.get()));
}

void Surface::Impl::MarkDirty(const RECT& rect) {
  cairo_surface_mark_dirty_rectangle(surface.get(), rect.left, rect.top, RectWidth(rect),
                                     RectHeight(rect));
}

}  // namespace platform
