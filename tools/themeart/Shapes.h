// Path and fill helpers shared by every drawing of the artwork.
#pragma once

#include <cairo.h>

#include "Colour.h"

namespace themeart {

struct Box {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
};

// Adds a closed rounded-rectangle subpath; the radius is limited to half the shorter side.
void RoundedRectPath(cairo_t* cr, Box box, double radius);

// Adds a closed star subpath with `points` tips, the first tip straight up.
void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points);

// Adds the upper half of an ellipse whose flat side lies on y = base.
void DomePath(cairo_t* cr, double cx, double base, double radius_x, double radius_y);

// Fills the current path with a vertical gradient over [top, bottom]; the path is consumed.
void FillVertical(cairo_t* cr, double top, double bottom, Colour top_colour, Colour bottom_colour);

// Fills a whole box with a vertical gradient.
void FillBoxVertical(cairo_t* cr, Box box, Colour top_colour, Colour bottom_colour);

// Fills a box with one colour.
void FillBox(cairo_t* cr, Box box, Colour colour);

// A crisp one-pixel horizontal line across [x0, x1) on pixel row y.
void HorizontalLine(cairo_t* cr, double x0, double x1, int y, Colour colour);

// A crisp one-pixel vertical line across [y0, y1) on pixel column x.
void VerticalLine(cairo_t* cr, int x, double y0, double y1, Colour colour);

// A crisp one-pixel rounded frame just inside the box.
void StrokeRoundedFrame(cairo_t* cr, Box box, double radius, Colour colour);

}  // namespace themeart
