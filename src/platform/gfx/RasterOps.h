// Raster operations of the old blits, done on ARGB32 pixels directly: cairo has no operator
// for inverted copies or bitwise AND/OR/XOR. The colour bits are combined exactly and the
// result is opaque; the source's alpha byte is ignored, as the old bit copies did.
#pragma once

#include <cstdint>

namespace platform::gfx {

// True for the five operations the surfaces know (SRCCOPY, NOTSRCCOPY, SRCAND, SRCPAINT,
// SRCINVERT).
bool IsKnownRasterOperation(uint32_t rop);

// Combines one row of `count` source pixels into `dst` with the operation. Unknown operations
// behave as SRCCOPY. The rows must not overlap.
void RasterRow(uint32_t* dst, const uint32_t* src, int count, uint32_t rop);

}  // namespace platform::gfx
