// The drawings of every theme image. Each function draws one image filling a canvas of the
// given size with the colours of a palette; sizes come from the catalogue of each theme.
#pragma once

#include <cairo.h>

#include "Glyphs.h"
#include "Palette.h"

namespace themeart {

enum class Face { kNormal, kPressed };
enum class IconRow { kIconBar, kSymbolPad };

// Screen backgrounds, drawn 1:1 from the top-left corner of the screen.
void DrawListBackground(cairo_t* cr, int width, int height, const Palette& p);
void DrawDetailBackground(cairo_t* cr, int width, int height, int header, const Palette& p);
void DrawSmsBackground(cairo_t* cr, int width, int height, int header, const Palette& p);
// Pop-up menu panel, stretched to the panel.
void DrawMenuBackground(cairo_t* cr, int width, int height, const Palette& p);

// Button faces, stretched to the button; transparent outside the face.
void DrawLargeButton(cairo_t* cr, int width, int height, Face face, const Palette& p);
void DrawSmallButton(cairo_t* cr, int width, int height, Face face, const Palette& p);

// One cell of the icon bar or of the symbol pad above it: an opaque tile with its symbol.
void DrawIconCell(cairo_t* cr, int width, int height, Glyph glyph, Face face, IconRow row,
                  const Palette& p);
// The back button, an opaque tile on the title band.
void DrawBackButton(cairo_t* cr, int width, int height, Face face, const Palette& p);

// Index strip: the bubble beside the pen and the current-letter marker.
void DrawFeedbackBubble(cairo_t* cr, int width, int height, const Palette& p);
void DrawIndexMarker(cairo_t* cr, int width, int height, const Palette& p);

// Signal gauge at full strength; the program shows its left part.
void DrawSignalGauge(cairo_t* cr, int width, int height, const Palette& p);

// Keypad background with the twelve key faces in a 3 x 4 grid of the image.
void DrawPhonePad(cairo_t* cr, int width, int height, const Palette& p);

// Favourite star (square canvas) and the picture of a contact without one.
void DrawFavoriteMark(cairo_t* cr, int width, int height, const Palette& p);
// The favourite mark of a list row: as tall as the row, with the star beside the first line,
// so that the SMS counter at the right end of the second line stays clear.
void DrawRowFavoriteMark(cairo_t* cr, int width, int height, const Palette& p);
void DrawDefaultContact(cairo_t* cr, int width, int height, const Palette& p);

}  // namespace themeart
