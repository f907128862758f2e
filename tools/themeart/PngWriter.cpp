#include "PngWriter.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace themeart {

namespace {

// One pixel of cairo's premultiplied native-endian ARGB32 as straight RGBA.
struct Rgba {
  uint8_t red, green, blue, alpha;
};

uint8_t Unpremultiply(uint32_t channel, uint32_t alpha) {
  return static_cast<uint8_t>((channel * 255 + alpha / 2) / alpha);
}

Rgba ReadPixel(const uint8_t* row, int x) {
  uint32_t argb;
  std::memcpy(&argb, row + 4 * x, sizeof argb);
  const uint32_t alpha = argb >> 24;
  if (alpha == 0) return Rgba{0, 0, 0, 0};
  return Rgba{Unpremultiply((argb >> 16) & 0xFF, alpha), Unpremultiply((argb >> 8) & 0xFF, alpha),
              Unpremultiply(argb & 0xFF, alpha), static_cast<uint8_t>(alpha)};
}

// Straight-alpha rows of the canvas, and whether any pixel is not opaque.
std::vector<Rgba> ReadPixels(const Canvas& canvas, bool& translucent) {
  canvas.Flush();
  const uint8_t* data = cairo_image_surface_get_data(canvas.Surface());
  const int stride = cairo_image_surface_get_stride(canvas.Surface());
  std::vector<Rgba> pixels;
  pixels.reserve(static_cast<size_t>(canvas.Width()) * canvas.Height());
  translucent = false;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      pixels.push_back(ReadPixel(data + static_cast<ptrdiff_t>(y) * stride, x));
      translucent = translucent || pixels.back().alpha != 255;
    }
  }
  return pixels;
}

std::vector<uint8_t> PackRows(const std::vector<Rgba>& pixels, bool with_alpha) {
  std::vector<uint8_t> bytes;
  bytes.reserve(pixels.size() * (with_alpha ? 4 : 3));
  for (const Rgba& pixel : pixels) {
    bytes.insert(bytes.end(), {pixel.red, pixel.green, pixel.blue});
    if (with_alpha) bytes.push_back(pixel.alpha);
  }
  return bytes;
}

void AppendToVector(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void FlushNothing(png_structp) {}

void IgnoreWarning(png_structp, png_const_charp) {}

struct PngShape {
  png_uint_32 width;
  png_uint_32 height;
  int colour_type;
  size_t row_bytes;
};

// Runs the whole libpng write inside one setjmp frame that holds only trivially destructible
// locals, as libpng reports errors by longjmp. False when libpng reported an error.
bool WritePng(png_structp png, png_infop info, const PngShape& shape, const uint8_t* rows,
              std::vector<uint8_t>* out) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, out, AppendToVector, FlushNothing);
  png_set_compression_level(png, 9);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_ALL_FILTERS);
  png_set_IHDR(png, info, shape.width, shape.height, 8, shape.colour_type, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
  png_write_info(png, info);
  for (png_uint_32 y = 0; y < shape.height; ++y) {
    png_write_row(png, rows + shape.row_bytes * y);
  }
  png_write_end(png, nullptr);
  return true;
}

// Owns the libpng write structures for the length of one encoding.
class PngWriteSession {
 public:
  PngWriteSession() {
    png_ = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, IgnoreWarning);
    if (png_ != nullptr) info_ = png_create_info_struct(png_);
    if (png_ == nullptr || info_ == nullptr) {
      png_destroy_write_struct(&png_, &info_);
      throw std::runtime_error("png: out of memory");
    }
  }
  ~PngWriteSession() { png_destroy_write_struct(&png_, &info_); }
  PngWriteSession(const PngWriteSession&) = delete;
  PngWriteSession& operator=(const PngWriteSession&) = delete;

  png_structp png() const { return png_; }
  png_infop info() const { return info_; }

 private:
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
};

}  // namespace

std::vector<uint8_t> EncodePng(const Canvas& canvas) {
  // Two statements: the translucency is known only once every pixel has been read.
  bool translucent = false;
  const std::vector<Rgba> pixels = ReadPixels(canvas, translucent);
  const std::vector<uint8_t> packed = PackRows(pixels, translucent);
  const PngShape shape{static_cast<png_uint_32>(canvas.Width()),
                       static_cast<png_uint_32>(canvas.Height()),
                       translucent ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB,
                       static_cast<size_t>(canvas.Width()) * (translucent ? 4 : 3)};
  std::vector<uint8_t> out;
  PngWriteSession session;
  if (!WritePng(session.png(), session.info(), shape, packed.data(), &out))
    throw std::runtime_error("png: encoding failed");
  return out;
}

bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  file.close();
  return static_cast<bool>(file);
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return {};
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(file),
                              std::istreambuf_iterator<char>());
}

}  // namespace themeart
