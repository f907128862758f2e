// libjpeg-turbo: errors jump back to the decode function instead of ending the process,
// messages are silenced, memory is bounded, and the header's dimensions are checked again
// before decompression starts.
#include <cstdio>  // jpeglib.h needs FILE

#include <jpeglib.h>

#include <csetjmp>

#include "platform/gfx/Decoders.h"

namespace platform::gfx {

namespace {

constexpr long kMaxDecoderMemory = 256L << 20;

struct ErrorManager {
  jpeg_error_mgr base;  // first member: libjpeg hands back a pointer to it
  jmp_buf jump;
};

void OnError(j_common_ptr cinfo) {
  auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
  longjmp(errors->jump, 1);
}
void OnMessage(j_common_ptr) {}

// Runs after the jump point; any libjpeg error returns to DecodeJpegInto.
bool ReadImage(jpeg_decompress_struct* cinfo, const uint8_t* data, size_t size,
               const DecodeTarget& t) {
  cinfo->mem->max_memory_to_use = kMaxDecoderMemory;
  jpeg_mem_src(cinfo, data, static_cast<unsigned long>(size));
  if (jpeg_read_header(cinfo, TRUE) != JPEG_HEADER_OK) return false;
  if (cinfo->image_width != JDIMENSION(t.width) || cinfo->image_height != JDIMENSION(t.height)) {
    return false;
  }
  cinfo->out_color_space = JCS_EXT_BGRA;
  cinfo->dct_method = JDCT_ISLOW;
  if (!jpeg_start_decompress(cinfo)) return false;
  if (cinfo->output_width != JDIMENSION(t.width) || cinfo->output_components != 4) return false;
  while (cinfo->output_scanline < cinfo->output_height) {
    JDIMENSION line = cinfo->output_scanline;
    if (jpeg_read_scanlines(cinfo, &t.rows[line], 1) != 1) return false;
  }
  jpeg_finish_decompress(cinfo);
  return true;
}

}  // namespace

bool DecodeJpegInto(const uint8_t* data, size_t size, const DecodeTarget& target) {
  jpeg_decompress_struct cinfo{};  // zeroed: destroying it is safe whenever an error comes
  ErrorManager errors{};
  cinfo.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  errors.base.output_message = OnMessage;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  bool ok = ReadImage(&cinfo, data, size, target);
  jpeg_destroy_decompress(&cinfo);
  return ok;
}

}  // namespace platform::gfx
