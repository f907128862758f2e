#include "Shapes.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace themeart {

namespace {

struct PatternDeleter {
  void operator()(cairo_pattern_t* pattern) const { cairo_pattern_destroy(pattern); }
};
using PatternPtr = std::unique_ptr<cairo_pattern_t, PatternDeleter>;

void AddStop(cairo_pattern_t* pattern, double offset, Colour colour) {
  cairo_pattern_add_color_stop_rgba(pattern, offset, colour.red, colour.green, colour.blue,
                                    colour.alpha);
}

}  // namespace

void RoundedRectPath(cairo_t* cr, Box box, double radius) {
  const double r = std::max(0.0, std::min(radius, std::min(box.width, box.height) / 2));
  const double right = box.x + box.width;
  const double bottom = box.y + box.height;
  cairo_new_sub_path(cr);
  cairo_arc(cr, right - r, box.y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, right - r, bottom - r, r, 0, M_PI / 2);
  cairo_arc(cr, box.x + r, bottom - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, box.x + r, box.y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points) {
  cairo_new_sub_path(cr);
  for (int i = 0; i < points * 2; ++i) {
    const double angle = -M_PI / 2 + i * M_PI / points;
    const double radius = (i % 2 == 0) ? outer : inner;
    cairo_line_to(cr, cx + radius * std::cos(angle), cy + radius * std::sin(angle));
  }
  cairo_close_path(cr);
}

void DomePath(cairo_t* cr, double cx, double base, double radius_x, double radius_y) {
  cairo_save(cr);
  cairo_translate(cr, cx, base);
  cairo_scale(cr, radius_x, radius_y);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
  cairo_close_path(cr);
  cairo_restore(cr);
}

void FillVertical(cairo_t* cr, double top, double bottom, Colour top_colour, Colour bottom_colour) {
  PatternPtr pattern(cairo_pattern_create_linear(0, top, 0, bottom));
  AddStop(pattern.get(), 0, top_colour);
  AddStop(pattern.get(), 1, bottom_colour);
  cairo_set_source(cr, pattern.get());
  cairo_fill(cr);
}

void FillBoxVertical(cairo_t* cr, Box box, Colour top_colour, Colour bottom_colour) {
  cairo_rectangle(cr, box.x, box.y, box.width, box.height);
  FillVertical(cr, box.y, box.y + box.height, top_colour, bottom_colour);
}

void FillBox(cairo_t* cr, Box box, Colour colour) {
  cairo_rectangle(cr, box.x, box.y, box.width, box.height);
  SetSource(cr, colour);
  cairo_fill(cr);
}

void HorizontalLine(cairo_t* cr, double x0, double x1, int y, Colour colour) {
  FillBox(cr, Box{x0, static_cast<double>(y), x1 - x0, 1}, colour);
}

void VerticalLine(cairo_t* cr, int x, double y0, double y1, Colour colour) {
  FillBox(cr, Box{static_cast<double>(x), y0, 1, y1 - y0}, colour);
}

void StrokeRoundedFrame(cairo_t* cr, Box box, double radius, Colour colour) {
  RoundedRectPath(cr, Box{box.x + 0.5, box.y + 0.5, box.width - 1, box.height - 1}, radius);
  SetSource(cr, colour);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

}  // namespace themeart
