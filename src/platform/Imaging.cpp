// Image decoding: the format is chosen by signature (PNG or JPEG, nothing else), the bytes
// pass our structure checks, and only then does the library decode them straight into a
// new surface. PNG pixels are premultiplied afterwards and the surface is marked as having
// alpha when any pixel is not opaque.
#include "platform/Imaging.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/Paths.h"
#include "platform/gfx/Decoders.h"
#include "platform/gfx/ImageStructure.h"
#include "platform/gfx/Painting.h"
#include "platform/gfx/SurfaceImpl.h"

namespace platform {

static_assert(std::endian::native == std::endian::little,
              "decoders write B,G,R,A bytes, which is cairo's ARGB32 only on little-endian");

namespace {

using DecodeFunction = bool (*)(const uint8_t*, size_t, const gfx::DecodeTarget&);

// Premultiplies straight-alpha pixels in place; true when any pixel is not opaque.
bool Premultiply(Surface& surface) {
  bool translucent = false;
  uint32_t* pixels = surface.Pixels();
  for (int y = 0; y < surface.Height(); ++y) {
    uint32_t* row = pixels + size_t(y) * surface.StridePixels();
    for (int x = 0; x < surface.Width(); ++x) {
      uint32_t p = row[x], a = p >> 24;
      if (a == 0xFF) continue;
      translucent = true;
      auto scale = [a](uint32_t c) { return (c * a + 127) / 255; };
      row[x] = (a << 24) | (scale((p >> 16) & 0xFF) << 16) | (scale((p >> 8) & 0xFF) << 8) |
               scale(p & 0xFF);
    }
  }
  return translucent;
}

// A surface of the checked size with the decoder writing straight into its pixels.
std::unique_ptr<Surface> DecodeToSurface(const uint8_t* data, size_t size, int width, int height,
                                         DecodeFunction decode) {
  auto surface = std::make_unique<Surface>(width, height);
  if (surface->Width() != width || surface->Height() != height) return nullptr;
  uint8_t* pixels = reinterpret_cast<uint8_t*>(surface->Pixels());
  int stride = surface->StridePixels() * 4;
  std::vector<uint8_t*> rows(static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) rows[size_t(y)] = pixels + size_t(y) * stride;
  gfx::DecodeTarget target{width, height, pixels, stride, rows.data()};
  bool ok = decode(data, size, target);
  surface->MarkDirty();
  if (!ok) return nullptr;
  return surface;
}

std::unique_ptr<Surface> DecodePng(std::span<const uint8_t> bytes) {
  auto checked = gfx::CheckPng(bytes, true);
  if (!checked) return nullptr;
  auto surface = DecodeToSurface(checked->bytes.data(), checked->bytes.size(), checked->width,
                                 checked->height, gfx::DecodePngInto);
  if (surface) {
    surface->SetHasAlpha(Premultiply(*surface));
    surface->MarkDirty();
  }
  return surface;
}

std::unique_ptr<Surface> DecodeJpeg(std::span<const uint8_t> bytes) {
  auto checked = gfx::CheckJpeg(bytes);
  if (!checked) return nullptr;
  return DecodeToSurface(bytes.data(), bytes.size(), checked->width, checked->height,
                         gfx::DecodeJpegInto);
}

}  // namespace

ImageFormat SniffImageFormat(std::span<const uint8_t> bytes) {
  static constexpr uint8_t kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (bytes.size() >= 8 && std::memcmp(bytes.data(), kPng, 8) == 0) return ImageFormat::kPng;
  if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) {
    return ImageFormat::kJpeg;
  }
  return ImageFormat::kUnknown;
}

std::optional<SIZE> PeekImageSize(std::span<const uint8_t> bytes) {
  switch (SniffImageFormat(bytes)) {
    case ImageFormat::kPng:
      if (auto png = gfx::CheckPng(bytes, false)) return SIZE{png->width, png->height};
      return std::nullopt;
    case ImageFormat::kJpeg:
      if (auto jpeg = gfx::CheckJpeg(bytes)) return SIZE{jpeg->width, jpeg->height};
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

std::unique_ptr<Surface> DecodeImage(std::span<const uint8_t> bytes) {
  if (bytes.size() > kMaxEncodedImageBytes) return nullptr;
  switch (SniffImageFormat(bytes)) {
    case ImageFormat::kPng:
      return DecodePng(bytes);
    case ImageFormat::kJpeg:
      return DecodeJpeg(bytes);
    default:
      return nullptr;
  }
}

std::unique_ptr<Surface> DecodeImageFile(const std::string& path) {
  std::string bytes;
  if (!ReadFileBytes(path, bytes, kMaxEncodedImageBytes)) return nullptr;
  return DecodeImage(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

std::unique_ptr<Surface> ScaleImage(const Surface& image, int width, int height) {
  auto result = std::make_unique<Surface>(width, height);
  cairo_t* cr = result->impl().cr.get();
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_paint(cr);
  gfx::CairoSurfacePtr source = gfx::SourceFor(image, result.get(), gfx::SourceAlpha::kKeep);
  gfx::PaintScaled(cr, source.get(), image.Bounds(), result->Bounds(), CAIRO_OPERATOR_SOURCE, 1.0,
                   CAIRO_FILTER_GOOD);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  result->SetHasAlpha(image.HasAlpha());
  return result;
}

std::optional<std::string> EncodeJpeg(const Surface& image, int quality) {
  Surface opaque(image.Width(), image.Height());  // white
  opaque.DrawTransparent(opaque.Bounds(), image, image.Bounds());
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  const Surface& pixels = opaque;
  if (!gfx::EncodeJpegFrom(reinterpret_cast<const uint8_t*>(pixels.Pixels()), opaque.Width(),
                           opaque.Height(), opaque.StridePixels() * 4, quality, &buffer, &size)) {
    return std::nullopt;
  }
  std::string bytes(reinterpret_cast<const char*>(buffer), size);
  std::free(buffer);
  return bytes;
}

}  // namespace platform
