// The colours one theme's artwork is drawn with. The settings file of the same theme repeats
// the few that the program also draws with (background, text, separators), so images and
// program-drawn parts match.
#pragma once

#include "Colour.h"

namespace themeart {

struct Palette {
  // Screen surfaces.
  Colour base;          // list and detail body ("background_color")
  Colour index_column;  // the 16-pixel letter index at the left edge of the list
  Colour index_line;    // the line between the index and the rows
  Colour header;        // title band of the detail and SMS screens
  Colour header_line;   // line under the title band
  Colour sms_body;      // body of the SMS screen behind the bubbles
  // Icon bar and symbol pad.
  Colour bar_top, bar_bottom, bar_line;
  Colour symbol_top, symbol_bottom;
  Colour glyph;          // icon symbols at rest
  Colour glyph_pressed;  // icon symbols on the accent
  // Accent: pressed faces, the index bubble, the current-letter marker.
  Colour accent, accent_dark;
  // Buttons and menus.
  Colour face_top, face_bottom, face_border;
  double shadow_alpha;
  Colour menu_face, menu_border;
  // Phone pad.
  Colour pad_top, pad_bottom, key_top, key_bottom, key_border;
  // Small marks.
  Colour star, star_edge, star_rim;
  Colour avatar_top, avatar_bottom, avatar_figure;
  Colour signal;
  Colour signal_off;
};

Palette TouchPalette();
Palette NightfallPalette();

}  // namespace themeart
