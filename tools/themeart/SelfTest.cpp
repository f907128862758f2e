#include "SelfTest.h"

#include <cairo.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>

#include "Canvas.h"
#include "Catalog.h"
#include "PngWriter.h"

namespace themeart {

namespace {

struct SurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

struct ByteReader {
  const std::vector<uint8_t>* bytes;
  size_t offset = 0;
};

cairo_status_t ReadBytes(void* closure, unsigned char* data, unsigned int length) {
  auto* reader = static_cast<ByteReader*>(closure);
  if (reader->offset + length > reader->bytes->size()) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(data, reader->bytes->data() + reader->offset, length);
  reader->offset += length;
  return CAIRO_STATUS_SUCCESS;
}

SurfacePtr DecodeWithCairo(const std::vector<uint8_t>& png) {
  ByteReader reader{&png};
  return SurfacePtr(cairo_image_surface_create_from_png_stream(ReadBytes, &reader));
}

// Premultiplied channels may move by one through straight alpha and back; more is a fault.
bool SamePixels(const Canvas& drawn, cairo_surface_t* decoded) {
  if (cairo_image_surface_get_width(decoded) != drawn.Width() ||
      cairo_image_surface_get_height(decoded) != drawn.Height()) {
    return false;
  }
  cairo_surface_flush(decoded);
  const auto* a = cairo_image_surface_get_data(drawn.Surface());
  const auto* b = cairo_image_surface_get_data(decoded);
  const int stride_a = cairo_image_surface_get_stride(drawn.Surface());
  const int stride_b = cairo_image_surface_get_stride(decoded);
  for (int y = 0; y < drawn.Height(); ++y) {
    for (int x = 0; x < drawn.Width() * 4; ++x) {
      if (std::abs(a[y * stride_a + x] - b[y * stride_b + x]) > 1) return false;
    }
  }
  return true;
}

void CheckImage(const std::string& theme, const ArtImage& image,
                std::vector<std::string>& failures) {
  const std::string name = theme + "/" + image.file;
  Canvas first(image.width, image.height);
  image.draw(first.Context());
  Canvas second(image.width, image.height);
  image.draw(second.Context());
  const std::vector<uint8_t> png = EncodePng(first);
  if (png != EncodePng(second)) failures.push_back(name + ": two renderings differ");
  const SurfacePtr decoded = DecodeWithCairo(png);
  if (cairo_surface_status(decoded.get()) != CAIRO_STATUS_SUCCESS) {
    failures.push_back(name + ": its PNG does not decode");
  } else if (!SamePixels(first, decoded.get())) {
    failures.push_back(name + ": its PNG decodes to other pixels");
  }
}

}  // namespace

std::vector<std::string> RunSelfTest() {
  std::vector<std::string> failures;
  for (const ThemeArt& theme : AllThemeArt()) {
    std::set<std::string> names;
    for (const ArtImage& image : theme.images) {
      if (!names.insert(image.file).second) {
        failures.push_back(theme.name + "/" + image.file + ": drawn twice");
      }
      CheckImage(theme.name, image, failures);
    }
  }
  return failures;
}

}  // namespace themeart
