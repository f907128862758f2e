#include "platform/gfx/Painting.h"

#include <cstring>

#include "platform/gfx/SurfaceImpl.h"

namespace platform::gfx {

namespace {

// A private copy of the pixels, for a surface that is its own source.
CairoSurfacePtr CopyOf(const Surface& source, cairo_format_t format) {
  const Surface::Impl& impl = source.impl();
  CairoSurfacePtr copy(cairo_image_surface_create(format, impl.width, impl.height));
  if (cairo_surface_status(copy.get()) != CAIRO_STATUS_SUCCESS) return copy;
  cairo_surface_flush(copy.get());
  const uint32_t* from = impl.PixelsForReading();
  unsigned char* to = cairo_image_surface_get_data(copy.get());
  int stride = cairo_image_surface_get_stride(copy.get());
  for (int y = 0; y < impl.height; ++y) {
    std::memcpy(to + size_t(y) * stride, from + size_t(y) * impl.stride_pixels,
                size_t(impl.width) * 4);
  }
  cairo_surface_mark_dirty(copy.get());
  return copy;
}

}  // namespace

CairoSurfacePtr SourceFor(const Surface& source, const Surface* target, SourceAlpha alpha) {
  cairo_format_t format = alpha == SourceAlpha::kKeep ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24;
  if (&source == target) return CopyOf(source, format);
  const Surface::Impl& impl = source.impl();
  if (alpha == SourceAlpha::kKeep) {
    return CairoSurfacePtr(cairo_surface_reference(impl.surface.get()));
  }
  // Same memory, read as RGB24: cairo then ignores the alpha byte.
  auto* data = const_cast<uint32_t*>(impl.PixelsForReading());
  return CairoSurfacePtr(cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(data),
                                                             CAIRO_FORMAT_RGB24, impl.width,
                                                             impl.height, impl.stride_pixels * 4));
}

void PaintScaled(cairo_t* cr, cairo_surface_t* source, const RECT& from, const RECT& to,
                 cairo_operator_t op, double alpha, cairo_filter_t filter) {
  if (cairo_surface_status(source) != CAIRO_STATUS_SUCCESS) return;
  if (IsRectEmpty(from) || IsRectEmpty(to)) return;
  // A sub-surface makes the edge padding repeat the edge of `from`, not its neighbours.
  CairoSurfacePtr part(cairo_surface_create_for_rectangle(source, from.left, from.top,
                                                          RectWidth(from), RectHeight(from)));
  cairo_save(cr);
  cairo_rectangle(cr, to.left, to.top, RectWidth(to), RectHeight(to));
  cairo_clip(cr);
  cairo_translate(cr, to.left, to.top);
  cairo_scale(cr, double(RectWidth(to)) / RectWidth(from),
              double(RectHeight(to)) / RectHeight(from));
  cairo_set_source_surface(cr, part.get(), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), filter);
  cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
  cairo_set_operator(cr, op);
  if (alpha >= 1.0) {
    cairo_paint(cr);
  } else {
    cairo_paint_with_alpha(cr, alpha);
  }
  cairo_restore(cr);
}

bool AnyTranslucentPixel(const Surface& surface) {
  const uint32_t* pixels = surface.Pixels();
  for (int y = 0; y < surface.Height(); ++y) {
    const uint32_t* row = pixels + size_t(y) * surface.StridePixels();
    for (int x = 0; x < surface.Width(); ++x) {
      if ((row[x] >> 24) != 0xFF) return true;
    }
  }
  return false;
}

}  // namespace platform::gfx
