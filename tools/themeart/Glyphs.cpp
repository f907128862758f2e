#include "Glyphs.h"

#include <cmath>

#include "Shapes.h"

namespace themeart {

namespace {

// Round caps and joins give every stroked glyph the same soft finish.
void StrokeRound(cairo_t* cr, double width) {
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

// Switches to cutting: what is drawn next removes ink instead of adding it.
void BeginCut(cairo_t* cr) {
  cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
}
void EndCut(cairo_t* cr) {
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void Star(cairo_t* cr) {
  StarPath(cr, 0, 0.04, 0.47, 0.21, 5);
  cairo_fill_preserve(cr);
  StrokeRound(cr, 0.07);
}

void PersonShape(cairo_t* cr, double cx, double cy, double scale) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy - 0.17 * scale, 0.165 * scale, 0, 2 * M_PI);
  DomePath(cr, cx, cy + 0.44 * scale, 0.34 * scale, 0.37 * scale);
}

void Person(cairo_t* cr) {
  PersonShape(cr, 0, -0.02, 1.0);
  cairo_fill(cr);
}

void People(cairo_t* cr) {
  PersonShape(cr, 0.17, -0.08, 0.8);
  cairo_fill(cr);
  BeginCut(cr);
  PersonShape(cr, -0.1, 0.0, 0.92);
  cairo_fill_preserve(cr);
  StrokeRound(cr, 0.1);
  EndCut(cr);
  PersonShape(cr, -0.1, 0.0, 0.92);
  cairo_fill(cr);
}

void Bubble(cairo_t* cr) {
  RoundedRectPath(cr, Box{-0.47, -0.4, 0.94, 0.64}, 0.17);
  cairo_fill(cr);
  cairo_move_to(cr, -0.28, 0.18);
  cairo_line_to(cr, -0.34, 0.45);
  cairo_line_to(cr, -0.02, 0.2);
  cairo_close_path(cr);
  cairo_fill_preserve(cr);
  StrokeRound(cr, 0.04);
  BeginCut(cr);
  for (int i = -1; i <= 1; ++i) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, i * 0.22, -0.08, 0.065, 0, 2 * M_PI);
  }
  cairo_fill(cr);
  EndCut(cr);
}

void Funnel(cairo_t* cr) {
  cairo_move_to(cr, -0.44, -0.38);
  cairo_line_to(cr, 0.44, -0.38);
  cairo_line_to(cr, 0.1, 0.04);
  cairo_line_to(cr, 0.1, 0.33);
  cairo_line_to(cr, -0.1, 0.45);
  cairo_line_to(cr, -0.1, 0.04);
  cairo_close_path(cr);
  cairo_fill_preserve(cr);
  StrokeRound(cr, 0.07);
}

// A telephone handset along the falling diagonal: earpiece at the top left, mouthpiece at the
// bottom right, both cups facing up-right, the curved back towards the lower left.
void Handset(cairo_t* cr) {
  cairo_save(cr);
  cairo_rotate(cr, M_PI / 4);
  cairo_move_to(cr, -0.36, -0.04);
  cairo_curve_to(cr, -0.3, 0.3, 0.3, 0.3, 0.36, -0.04);
  StrokeRound(cr, 0.2);
  RoundedRectPath(cr, Box{-0.52, -0.27, 0.3, 0.3}, 0.1);
  RoundedRectPath(cr, Box{0.22, -0.27, 0.3, 0.3}, 0.1);
  cairo_fill(cr);
  cairo_restore(cr);
}

void BackArrow(cairo_t* cr) {
  cairo_move_to(cr, 0.32, 0);
  cairo_line_to(cr, -0.28, 0);
  cairo_move_to(cr, -0.02, -0.28);
  cairo_line_to(cr, -0.3, 0);
  cairo_line_to(cr, -0.02, 0.28);
  StrokeRound(cr, 0.14);
}

void Cross(cairo_t* cr) {
  cairo_move_to(cr, -0.28, -0.28);
  cairo_line_to(cr, 0.28, 0.28);
  cairo_move_to(cr, 0.28, -0.28);
  cairo_line_to(cr, -0.28, 0.28);
  StrokeRound(cr, 0.14);
}

void Minimise(cairo_t* cr) {
  cairo_move_to(cr, 0, -0.38);
  cairo_line_to(cr, 0, 0.1);
  cairo_move_to(cr, -0.22, -0.1);
  cairo_line_to(cr, 0, 0.12);
  cairo_line_to(cr, 0.22, -0.1);
  cairo_move_to(cr, -0.32, 0.37);
  cairo_line_to(cr, 0.32, 0.37);
  StrokeRound(cr, 0.12);
}

void Gear(cairo_t* cr) {
  constexpr int kTeeth = 8;
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 0.33, 0, 2 * M_PI);
  cairo_fill(cr);
  for (int i = 0; i < kTeeth; ++i) {
    cairo_save(cr);
    cairo_rotate(cr, i * 2 * M_PI / kTeeth);
    RoundedRectPath(cr, Box{-0.085, -0.48, 0.17, 0.24}, 0.04);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  BeginCut(cr);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 0.13, 0, 2 * M_PI);
  cairo_fill(cr);
  EndCut(cr);
}

// A bound book with a person on its cover and the rings of its spine.
void AddressBook(cairo_t* cr) {
  RoundedRectPath(cr, Box{-0.36, -0.46, 0.76, 0.92}, 0.1);
  cairo_fill(cr);
  BeginCut(cr);
  PersonShape(cr, 0.04, -0.02, 0.62);
  cairo_fill(cr);
  for (int i = -1; i <= 1; ++i) {
    RoundedRectPath(cr, Box{-0.42, i * 0.27 - 0.045, 0.14, 0.09}, 0.04);
  }
  cairo_fill(cr);
  EndCut(cr);
  for (int i = -1; i <= 1; ++i) {
    cairo_move_to(cr, -0.46, i * 0.27);
    cairo_line_to(cr, -0.3, i * 0.27);
  }
  StrokeRound(cr, 0.07);
}

void DrawUnitGlyph(cairo_t* cr, Glyph glyph) {
  switch (glyph) {
    case Glyph::kStar:
      return Star(cr);
    case Glyph::kPeople:
      return People(cr);
    case Glyph::kBubble:
      return Bubble(cr);
    case Glyph::kFunnel:
      return Funnel(cr);
    case Glyph::kHandset:
      return Handset(cr);
    case Glyph::kBackArrow:
      return BackArrow(cr);
    case Glyph::kCross:
      return Cross(cr);
    case Glyph::kMinimise:
      return Minimise(cr);
    case Glyph::kGear:
      return Gear(cr);
    case Glyph::kAddressBook:
      return AddressBook(cr);
    case Glyph::kPerson:
      return Person(cr);
  }
}

}  // namespace

void DrawGlyph(cairo_t* cr, Glyph glyph, double cx, double cy, double size, Colour ink) {
  cairo_save(cr);
  cairo_push_group(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, size, size);
  SetSource(cr, Colour{ink.red, ink.green, ink.blue, 1.0});
  DrawUnitGlyph(cr, glyph);
  cairo_pop_group_to_source(cr);
  cairo_paint_with_alpha(cr, ink.alpha);
  cairo_restore(cr);
}

}  // namespace themeart
