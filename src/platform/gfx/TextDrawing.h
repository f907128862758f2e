// Text drawing with the old DT_* flags on a cairo context through the shared text engine:
// prefix ('&') processing, word breaking at the rectangle's width, single lines, end
// ellipsis, horizontal and vertical placement, and the measuring mode that only computes the
// rectangle. Shaped layouts are kept in a bounded cache so that repainting a scrolled list
// does not shape its texts again.
#pragma once

#include <cairo.h>

#include <string_view>

#include "platform/Surface.h"

namespace platform::gfx {

// Draws (or, with DT_CALCRECT, measures) `text` in `rect`; returns the text height.
int DrawTextOnContext(cairo_t* cr, std::u16string_view text, RECT& rect, uint32_t flags,
                      const Font& font, COLORREF color);

// Logical extent of `text` laid out on one line with no prefix processing.
SIZE MeasureTextLine(std::u16string_view text, const Font& font);

}  // namespace platform::gfx
