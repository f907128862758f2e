#include "Artwork.h"

#include <algorithm>
#include <cmath>

#include "Shapes.h"

namespace themeart {

namespace {

constexpr int kIndexWidth = 16;

void FillHeaderBand(cairo_t* cr, int width, int header, const Palette& p) {
  FillBox(cr, Box{0, 0, static_cast<double>(width), header - 1.0}, p.header);
  HorizontalLine(cr, 0, width, header - 1, p.header_line);
}

// A face with a soft shadow line under it; pressed faces sit flat in the accent colour.
void DrawFace(cairo_t* cr, Box face, double radius, Face state, const Palette& p) {
  if (state == Face::kPressed) {
    RoundedRectPath(cr, face, radius);
    FillVertical(cr, face.y, face.y + face.height, p.accent, Mix(p.accent, p.accent_dark, 0.6));
    StrokeRoundedFrame(cr, face, radius, p.accent_dark);
    return;
  }
  RoundedRectPath(cr, Box{face.x, face.y + 1.5, face.width, face.height}, radius);
  SetSource(cr, Rgb(0, 0, 0, p.shadow_alpha));
  cairo_fill(cr);
  RoundedRectPath(cr, face, radius);
  FillVertical(cr, face.y, face.y + face.height, p.face_top, p.face_bottom);
  StrokeRoundedFrame(cr, face, radius, p.face_border);
}

}  // namespace

void DrawListBackground(cairo_t* cr, int width, int height, const Palette& p) {
  FillBox(cr, Box{0, 0, static_cast<double>(width), static_cast<double>(height)}, p.base);
  FillBox(cr, Box{0, 0, kIndexWidth - 1.0, static_cast<double>(height)}, p.index_column);
  VerticalLine(cr, kIndexWidth - 1, 0, height, p.index_line);
}

void DrawDetailBackground(cairo_t* cr, int width, int height, int header, const Palette& p) {
  FillBox(cr, Box{0, 0, static_cast<double>(width), static_cast<double>(height)}, p.base);
  FillHeaderBand(cr, width, header, p);
}

void DrawSmsBackground(cairo_t* cr, int width, int height, int header, const Palette& p) {
  FillBox(cr, Box{0, 0, static_cast<double>(width), static_cast<double>(height)}, p.sms_body);
  FillHeaderBand(cr, width, header, p);
}

void DrawMenuBackground(cairo_t* cr, int width, int height, const Palette& p) {
  const Box all{0, 0, static_cast<double>(width), static_cast<double>(height)};
  FillBox(cr, all, p.menu_border);
  FillBoxVertical(cr, Box{1, 0, width - 2.0, height - 1.0}, p.menu_face,
                  Mix(p.menu_face, p.menu_border, 0.12));
}

void DrawLargeButton(cairo_t* cr, int width, int height, Face face, const Palette& p) {
  DrawFace(cr, Box{1, 2, width - 2.0, height - 5.0}, 9, face, p);
}

void DrawSmallButton(cairo_t* cr, int width, int height, Face face, const Palette& p) {
  DrawFace(cr, Box{2, 2, width - 4.0, height - 5.0}, 7, face, p);
}

void DrawIconCell(cairo_t* cr, int width, int height, Glyph glyph, Face face, IconRow row,
                  const Palette& p) {
  const Box all{0, 0, static_cast<double>(width), static_cast<double>(height)};
  if (row == IconRow::kIconBar) {
    FillBoxVertical(cr, all, p.bar_top, p.bar_bottom);
  } else {
    FillBoxVertical(cr, all, p.symbol_top, p.symbol_bottom);
  }
  HorizontalLine(cr, 0, width, 0, p.bar_line);
  const double size = std::min({height * 0.55, width * 0.5, 24.0});
  Colour ink = p.glyph;
  if (face == Face::kPressed) {
    const double pill_width = std::min(width - 8.0, 52.0);
    const Box pill{(width - pill_width) / 2, 4, pill_width, height - 7.0};
    RoundedRectPath(cr, pill, 10);
    FillVertical(cr, pill.y, pill.y + pill.height, p.accent, Mix(p.accent, p.accent_dark, 0.6));
    ink = p.glyph_pressed;
  }
  DrawGlyph(cr, glyph, width / 2.0, (height + 1) / 2.0, size, ink);
}

void DrawBackButton(cairo_t* cr, int width, int height, Face face, const Palette& p) {
  FillBox(cr, Box{0, 0, static_cast<double>(width), static_cast<double>(height)}, p.header);
  const Box pill{5, 4, width - 10.0, height - 8.0};
  Colour ink = p.glyph;
  if (face == Face::kPressed) {
    RoundedRectPath(cr, pill, pill.height / 2);
    FillVertical(cr, pill.y, pill.y + pill.height, p.accent, Mix(p.accent, p.accent_dark, 0.6));
    ink = p.glyph_pressed;
  } else {
    RoundedRectPath(cr, pill, pill.height / 2);
    FillVertical(cr, pill.y, pill.y + pill.height, p.face_top, p.face_bottom);
    StrokeRoundedFrame(cr, pill, pill.height / 2, p.face_border);
  }
  DrawGlyph(cr, Glyph::kBackArrow, width / 2.0, height / 2.0, pill.height * 0.62, ink);
}

void DrawFeedbackBubble(cairo_t* cr, int width, int height, const Palette& p) {
  const double tail = 18;
  const Box body{tail, 2, width - tail - 3, height - 6.0};
  const double middle = body.y + body.height / 2;
  for (int pass = 0; pass < 2; ++pass) {
    const double drop = pass == 0 ? 2.0 : 0.0;
    cairo_new_path(cr);
    RoundedRectPath(cr, Box{body.x, body.y + drop, body.width, body.height}, 14);
    cairo_move_to(cr, body.x + 2, middle - 9 + drop);
    cairo_line_to(cr, 2, middle + drop);
    cairo_line_to(cr, body.x + 2, middle + 9 + drop);
    cairo_close_path(cr);
    if (pass == 0) {
      SetSource(cr, Rgb(0, 0, 0, 0.22));
      cairo_fill(cr);
    } else {
      FillVertical(cr, body.y, body.y + body.height, p.accent, Mix(p.accent, p.accent_dark, 0.7));
    }
  }
}

void DrawIndexMarker(cairo_t* cr, int width, int height, const Palette& p) {
  RoundedRectPath(cr, Box{0.5, 0.5, width - 1.0, height - 1.0}, height / 2.0);
  SetSource(cr, WithAlpha(p.accent, 0.28));
  cairo_fill(cr);
  RoundedRectPath(cr, Box{0, 0.5, 3, height - 1.0}, 1.5);
  SetSource(cr, p.accent);
  cairo_fill(cr);
}

void DrawSignalGauge(cairo_t* cr, int width, int height, const Palette& p) {
  constexpr int kBars = 5;
  constexpr double kGap = 2;
  const double bar = (width - kGap * (kBars - 1)) / kBars;
  for (int i = 0; i < kBars; ++i) {
    const double bar_height = height * (i + 1) / static_cast<double>(kBars);
    RoundedRectPath(cr, Box{i * (bar + kGap), height - bar_height, bar, bar_height}, 1);
  }
  SetSource(cr, p.signal);
  cairo_fill(cr);
}

void DrawPhonePad(cairo_t* cr, int width, int height, const Palette& p) {
  FillBoxVertical(cr, Box{0, 0, static_cast<double>(width), static_cast<double>(height)}, p.pad_top,
                  p.pad_bottom);
  HorizontalLine(cr, 0, width, 0, p.bar_line);
  const int column = width / 3;
  const int row = height / 4;
  for (int key = 0; key < 12; ++key) {
    const Box face{(key % 3) * column + 3.0, (key / 3) * row + 3.0, column - 6.0, row - 6.0};
    RoundedRectPath(cr, face, 6);
    FillVertical(cr, face.y, face.y + face.height, p.key_top, p.key_bottom);
    StrokeRoundedFrame(cr, face, 6, p.key_border);
  }
}

void DrawFavoriteMark(cairo_t* cr, int width, int height, const Palette& p) {
  const double cx = width / 2.0;
  const double cy = height / 2.0 + height * 0.04;
  const double outer = std::min(width, height) * 0.47;
  StarPath(cr, cx, cy, outer - 1, (outer - 1) * 0.45, 5);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, std::max(2.0, outer * 0.22));
  SetSource(cr, p.star_rim);
  cairo_stroke_preserve(cr);
  FillVertical(cr, cy - outer, cy + outer, p.star, Mix(p.star, p.star_edge, 0.5));
  StarPath(cr, cx, cy, outer - 1, (outer - 1) * 0.45, 5);
  cairo_set_line_width(cr, 1);
  SetSource(cr, p.star_edge);
  cairo_stroke(cr);
}

void DrawRowFavoriteMark(cairo_t* cr, int width, int height, const Palette& p) {
  const int side = std::min(width, height);
  cairo_save(cr);
  cairo_translate(cr, (width - side) / 2.0, std::min(4.0, double(height - side)));
  DrawFavoriteMark(cr, side, side, p);
  cairo_restore(cr);
}

void DrawDefaultContact(cairo_t* cr, int width, int height, const Palette& p) {
  FillBoxVertical(cr, Box{0, 0, static_cast<double>(width), static_cast<double>(height)},
                  p.avatar_top, p.avatar_bottom);
  const double size = std::min(width, height) * 0.95;
  DrawGlyph(cr, Glyph::kPerson, width / 2.0, height * 0.58, size, p.avatar_figure);
}

}  // namespace themeart
