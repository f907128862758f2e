// An ARGB image surface with its cairo context: the drawing board of one image.
#pragma once

#include <cairo.h>

#include <memory>

namespace themeart {

class Canvas {
 public:
  // A fully transparent canvas; width and height must be positive.
  Canvas(int width, int height);

  cairo_t* Context() const { return context_.get(); }
  cairo_surface_t* Surface() const { return surface_.get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Finishes pending drawing so that the pixels can be read.
  void Flush() const;

 private:
  struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
  };
  struct ContextDeleter {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
  };

  int width_;
  int height_;
  std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface_;
  std::unique_ptr<cairo_t, ContextDeleter> context_;
};

}  // namespace themeart
