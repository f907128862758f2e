#include "Canvas.h"

#include <stdexcept>

namespace themeart {

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
  if (width <= 0 || height <= 0) throw std::invalid_argument("canvas size must be positive");
  surface_.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
  if (cairo_surface_status(surface_.get()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot create an image surface");
  context_.reset(cairo_create(surface_.get()));
  if (cairo_status(context_.get()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot create a drawing context");
}

void Canvas::Flush() const {
  cairo_surface_flush(surface_.get());
}

}  // namespace themeart
