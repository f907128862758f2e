// Fuzzes the image decoders with arbitrary bytes: the signature sniffing, the PNG chunk walk,
// the JPEG marker walk, libpng and libjpeg-turbo behind them, and scaling of what decodes.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/Imaging.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::span<const uint8_t> bytes(data, size);
  auto peeked = platform::PeekImageSize(bytes);
  auto image = platform::DecodeImage(bytes);
  if (image) {
    // Whatever decodes was accepted by the header checks with the same size.
    if (!peeked || peeked->cx != image->Width() || peeked->cy != image->Height()) __builtin_trap();
    auto thumbnail = platform::ScaleImage(*image, 7, 5);
    if (thumbnail->Width() != 7) __builtin_trap();
  }
  return 0;
}
