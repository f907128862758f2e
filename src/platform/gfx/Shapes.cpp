#include "platform/gfx/Shapes.h"

#include <algorithm>
#include <cmath>

#include "platform/gfx/Color.h"

namespace platform::gfx {

namespace {

constexpr int kMaxPenWidth = 256;

int PenWidth(int width) {
  return std::clamp(width, 1, kMaxPenWidth);
}

// Adds a rounded-rectangle path to cr; radii are limited to half the sides.
void AddRoundedPath(cairo_t* cr, double x, double y, double w, double h, double rx, double ry) {
  rx = std::clamp(rx, 0.0, w / 2), ry = std::clamp(ry, 0.0, h / 2);
  cairo_new_path(cr);
  if (rx <= 0 || ry <= 0) {
    cairo_rectangle(cr, x, y, w, h);
    return;
  }
  // Quarter circles in a coordinate system squeezed to ry/rx make elliptical corners.
  const double pi = M_PI;
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, 1.0, ry / rx);
  double hs = h * rx / ry;  // height in the squeezed system
  cairo_arc(cr, w - rx, rx, rx, -pi / 2, 0);
  cairo_arc(cr, w - rx, hs - rx, rx, 0, pi / 2);
  cairo_arc(cr, rx, hs - rx, rx, pi / 2, pi);
  cairo_arc(cr, rx, rx, rx, pi, 3 * pi / 2);
  cairo_close_path(cr);
  cairo_restore(cr);
}

}  // namespace

void DrawRoundedShape(cairo_t* cr, const RECT& rect, double rx, double ry,
                      const ShapeStyle& style) {
  if (IsRectEmpty(rect)) return;
  bool has_pen = style.pen != kInvalidColor;
  double inset = has_pen ? PenWidth(style.pen_width) / 2.0 : 0.0;
  double w = RectWidth(rect) - 2 * inset, h = RectHeight(rect) - 2 * inset;
  if (w <= 0 || h <= 0) {
    inset = 0, w = RectWidth(rect), h = RectHeight(rect);
  }
  AddRoundedPath(cr, rect.left + inset, rect.top + inset, w, h, rx - inset, ry - inset);
  if (style.brush != kInvalidColor) {
    SetSourceColor(cr, style.brush);
    if (has_pen) {
      cairo_fill_preserve(cr);
    } else {
      cairo_fill(cr);
    }
  }
  if (has_pen) {
    SetSourceColor(cr, style.pen);
    cairo_set_line_width(cr, PenWidth(style.pen_width));
    cairo_stroke(cr);
  }
  cairo_new_path(cr);
}

void DrawLine(cairo_t* cr, POINT from, POINT to, COLORREF color, int width) {
  if (color == kInvalidColor || from == to) return;
  int pen = PenWidth(width);
  SetSourceColor(cr, color);
  if (from.y == to.y || from.x == to.x) {
    // Whole pixels: [from, to) along the line, `pen` pixels across it.
    bool horizontal = from.y == to.y;
    int a = horizontal ? from.x : from.y, b = horizontal ? to.x : to.y;
    int lo = a < b ? a : b + 1, hi = a < b ? b : a + 1;
    int across = (horizontal ? from.y : from.x) - (pen - 1) / 2;
    if (horizontal) {
      cairo_rectangle(cr, lo, across, hi - lo, pen);
    } else {
      cairo_rectangle(cr, across, lo, pen, hi - lo);
    }
    cairo_fill(cr);
    return;
  }
  cairo_set_line_width(cr, pen);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_move_to(cr, from.x + 0.5, from.y + 0.5);
  cairo_line_to(cr, to.x + 0.5, to.y + 0.5);
  cairo_stroke(cr);
}

}  // namespace platform::gfx
