// libpng, classic interface: limits set before reading, unknown and text chunks ignored,
// every colour type expanded to 8-bit BGRA.
#include <png.h>

#include <csetjmp>
#include <cstring>

#include "platform/gfx/Decoders.h"

namespace platform::gfx {

namespace {

constexpr png_uint_32 kMaxDimension = 4096;
constexpr png_alloc_size_t kMaxChunkBytes = 1u << 20;
constexpr png_uint_32 kMaxAncillaryChunks = 64;

struct MemoryReader {
  const uint8_t* data;
  size_t size;
  size_t pos;
};

void ReadFromMemory(png_structp png, png_bytep out, size_t length) {
  auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
  if (length > reader->size - reader->pos) png_error(png, "read past end");
  std::memcpy(out, reader->data + reader->pos, length);
  reader->pos += length;
}

void OnError(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}
void OnWarning(png_structp, png_const_charp) {}

void SetLimits(png_structp png) {
  png_set_user_limits(png, kMaxDimension, kMaxDimension);
  png_set_chunk_malloc_max(png, kMaxChunkBytes);
  png_set_chunk_cache_max(png, kMaxAncillaryChunks);
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
  static const png_byte kTextChunks[] = "tEXt\0zTXt\0iTXt";
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, kTextChunks, 3);
}

// Expands palette, grey and 16-bit images and adds an opaque alpha where there is none.
void SetTransforms(png_structp png, png_infop info) {
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_bgr(png);
  png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
}

// Runs after the jump point; any libpng error returns to DecodePngInto.
bool ReadImage(png_structp png, png_infop info, const DecodeTarget& t) {
  png_read_info(png, info);
  if (png_get_image_width(png, info) != png_uint_32(t.width) ||
      png_get_image_height(png, info) != png_uint_32(t.height)) {
    return false;
  }
  SetTransforms(png, info);
  if (png_get_rowbytes(png, info) != size_t(t.width) * 4) return false;
  png_read_image(png, t.rows);
  return true;
}

}  // namespace

bool DecodePngInto(const uint8_t* data, size_t size, const DecodeTarget& target) {
  MemoryReader reader{data, size, 0};
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  SetLimits(png);
  png_set_read_fn(png, &reader, ReadFromMemory);
  bool ok = ReadImage(png, info, target);
  png_destroy_read_struct(&png, &info, nullptr);
  return ok;
}

}  // namespace platform::gfx
