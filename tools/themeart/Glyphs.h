// The symbols of the icons, drawn from simple vector shapes. Each glyph is designed in a unit
// square centred on the origin and drawn at any size; holes are cut out of the glyph itself,
// so whatever lies below shows through them.
#pragma once

#include <cairo.h>

#include "Colour.h"

namespace themeart {

enum class Glyph {
  kStar,         // favourites
  kPeople,       // all contacts
  kBubble,       // SMS
  kFunnel,       // filter
  kHandset,      // phone pad
  kBackArrow,    // back
  kCross,        // close
  kMinimise,     // minimise
  kGear,         // options
  kAddressBook,  // the platform's own contacts application
  kPerson,       // one contact (the default picture)
};

// Draws the glyph centred on (cx, cy) in a square of side `size`.
void DrawGlyph(cairo_t* cr, Glyph glyph, double cx, double cy, double size, Colour ink);

}  // namespace themeart
