// Colours of the artwork, in cairo's 0..1 channels, written as 8-bit values for readability.
#pragma once

#include <cairo.h>

namespace themeart {

struct Colour {
  double red = 0;
  double green = 0;
  double blue = 0;
  double alpha = 1;
};

// 8-bit channels (0..255) and an opacity (0..1).
constexpr Colour Rgb(int red, int green, int blue, double alpha = 1.0) {
  return Colour{red / 255.0, green / 255.0, blue / 255.0, alpha};
}

// The same colour with another opacity.
constexpr Colour WithAlpha(Colour colour, double alpha) {
  colour.alpha = alpha;
  return colour;
}

// Straight mix: 0 gives a, 1 gives b.
constexpr Colour Mix(Colour a, Colour b, double t) {
  return Colour{a.red + (b.red - a.red) * t, a.green + (b.green - a.green) * t,
                a.blue + (b.blue - a.blue) * t, a.alpha + (b.alpha - a.alpha) * t};
}

inline void SetSource(cairo_t* cr, Colour colour) {
  cairo_set_source_rgba(cr, colour.red, colour.green, colour.blue, colour.alpha);
}

}  // namespace themeart
