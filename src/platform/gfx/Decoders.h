// The calls into libpng and libjpeg-turbo. Each decodes bytes that the structure checks
// accepted into a buffer the caller owns (rows of `stride` bytes, B,G,R,A byte order, which is
// cairo's ARGB32 on little-endian machines), after checking that the decoder reads the same
// dimensions. Library errors jump back only within these functions, whose frames hold no
// C++ objects; the caller's objects are never jumped over.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform::gfx {

struct DecodeTarget {
  int width = 0;
  int height = 0;
  uint8_t* pixels = nullptr;  // height rows of stride bytes
  int stride = 0;
  uint8_t** rows = nullptr;  // height row pointers into pixels, filled by the caller
};

// PNG: straight (not premultiplied) alpha; transparency of palettes and colour keys kept.
bool DecodePngInto(const uint8_t* data, size_t size, const DecodeTarget& target);
// JPEG: opaque pixels.
bool DecodeJpegInto(const uint8_t* data, size_t size, const DecodeTarget& target);

}  // namespace platform::gfx

namespace platform::gfx {

// JPEG encoding of opaque pixels (B,G,R,X byte order, rows of `stride` bytes) at `quality`
// 1..100. On success *out holds a buffer from malloc that the caller frees, *size its length.
bool EncodeJpegFrom(const uint8_t* pixels, int width, int height, int stride, int quality,
                    unsigned char** out, unsigned long* size);

}  // namespace platform::gfx
