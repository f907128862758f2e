// Conversions between the system's 0x00BBGGRR colours and cairo's and pixman's forms.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "platform/Types.h"

namespace platform::gfx {

// Sets an opaque COLORREF as the cairo source colour.
inline void SetSourceColor(cairo_t* cr, COLORREF color) {
  cairo_set_source_rgb(cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0,
                       GetBValue(color) / 255.0);
}

// Adds an opaque COLORREF as a gradient colour stop.
inline void AddColorStop(cairo_pattern_t* pattern, double offset, COLORREF color) {
  cairo_pattern_add_color_stop_rgb(pattern, offset, GetRValue(color) / 255.0,
                                   GetGValue(color) / 255.0, GetBValue(color) / 255.0);
}

// An ARGB32 pixel (0xAARRGGBB in native order) from an opaque COLORREF.
constexpr uint32_t PixelFromColor(COLORREF color) {
  return 0xFF000000u | (static_cast<uint32_t>(GetRValue(color)) << 16) |
         (static_cast<uint32_t>(GetGValue(color)) << 8) | GetBValue(color);
}

// The COLORREF of an ARGB32 pixel, alpha dropped (the stored, premultiplied channels).
constexpr COLORREF ColorFromPixel(uint32_t pixel) {
  return RGB(static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8),
             static_cast<uint8_t>(pixel));
}

}  // namespace platform::gfx
