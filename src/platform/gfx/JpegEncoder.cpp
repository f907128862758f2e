// libjpeg-turbo compression into memory: errors jump back here instead of ending the process,
// and the buffer libjpeg allocated is freed on every failure.
#include <cstdio>  // jpeglib.h needs FILE

#include <jpeglib.h>

#include <csetjmp>
#include <cstdlib>

#include "platform/gfx/Decoders.h"

namespace platform::gfx {

namespace {

struct ErrorManager {
  jpeg_error_mgr base;  // first member: libjpeg hands back a pointer to it
  jmp_buf jump;
};

void OnError(j_common_ptr cinfo) {
  auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
  longjmp(errors->jump, 1);
}
void OnMessage(j_common_ptr) {}

void WriteImage(jpeg_compress_struct* cinfo, const uint8_t* pixels, int width, int height,
                int stride, int quality) {
  cinfo->image_width = static_cast<JDIMENSION>(width);
  cinfo->image_height = static_cast<JDIMENSION>(height);
  cinfo->input_components = 4;
  cinfo->in_color_space = JCS_EXT_BGRX;
  jpeg_set_defaults(cinfo);
  jpeg_set_quality(cinfo, quality, TRUE);
  jpeg_start_compress(cinfo, TRUE);
  while (cinfo->next_scanline < cinfo->image_height) {
    JSAMPROW row = const_cast<uint8_t*>(pixels + static_cast<size_t>(cinfo->next_scanline) *
                                                     static_cast<size_t>(stride));
    jpeg_write_scanlines(cinfo, &row, 1);
  }
  jpeg_finish_compress(cinfo);
}

}  // namespace

bool EncodeJpegFrom(const uint8_t* pixels, int width, int height, int stride, int quality,
                    unsigned char** out, unsigned long* size) {
  jpeg_compress_struct cinfo{};  // zeroed: destroying it is safe whenever an error comes
  ErrorManager errors{};
  cinfo.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  errors.base.output_message = OnMessage;
  *out = nullptr;
  *size = 0;
  if (setjmp(errors.jump)) {
    jpeg_destroy_compress(&cinfo);
    std::free(*out);
    *out = nullptr;
    return false;
  }
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, out, size);
  WriteImage(&cinfo, pixels, width, height, stride, quality);
  jpeg_destroy_compress(&cinfo);
  return *out != nullptr;
}

}  // namespace platform::gfx
