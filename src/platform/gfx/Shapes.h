// Antialiased shapes: rounded rectangles and ellipses with an outline pen and a fill brush,
// and lines. The outline lies inside the shape's rectangle, as an inside-frame pen does.
#pragma once

#include <cairo.h>

#include "platform/Types.h"

namespace platform::gfx {

struct ShapeStyle {
  COLORREF pen = kInvalidColor;    // outline colour; kInvalidColor draws no outline
  int pen_width = 1;               // 0 or less draws a one-pixel outline
  COLORREF brush = kInvalidColor;  // fill colour; kInvalidColor draws no fill
};

// A rectangle whose corners are quarter ellipses with radii (rx, ry); with radii of half the
// width and height it is an ellipse.
void DrawRoundedShape(cairo_t* cr, const RECT& rect, double rx, double ry, const ShapeStyle& style);

// A line from `from` towards `to`, the end point itself not drawn; horizontal and vertical
// lines cover whole pixels exactly.
void DrawLine(cairo_t* cr, POINT from, POINT to, COLORREF color, int width);

}  // namespace platform::gfx
