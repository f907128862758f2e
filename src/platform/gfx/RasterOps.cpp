#include "platform/gfx/RasterOps.h"

#include "platform/Surface.h"

namespace platform::gfx {

namespace {

constexpr uint32_t kOpaque = 0xFF000000u;
constexpr uint32_t kColorBits = 0x00FFFFFFu;

template <typename Op>
void Combine(uint32_t* dst, const uint32_t* src, int count, Op op) {
  for (int i = 0; i < count; ++i) dst[i] = kOpaque | (op(src[i], dst[i]) & kColorBits);
}

}  // namespace

bool IsKnownRasterOperation(uint32_t rop) {
  return rop == SRCCOPY || rop == NOTSRCCOPY || rop == SRCAND || rop == SRCPAINT ||
         rop == SRCINVERT;
}

void RasterRow(uint32_t* dst, const uint32_t* src, int count, uint32_t rop) {
  switch (rop) {
    case NOTSRCCOPY:
      Combine(dst, src, count, [](uint32_t s, uint32_t) { return ~s; });
      break;
    case SRCAND:
      Combine(dst, src, count, [](uint32_t s, uint32_t d) { return s & d; });
      break;
    case SRCPAINT:
      Combine(dst, src, count, [](uint32_t s, uint32_t d) { return s | d; });
      break;
    case SRCINVERT:
      Combine(dst, src, count, [](uint32_t s, uint32_t d) { return s ^ d; });
      break;
    default:
      Combine(dst, src, count, [](uint32_t s, uint32_t) { return s; });
      break;
  }
}

}  // namespace platform::gfx
