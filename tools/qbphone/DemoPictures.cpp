#include "DemoPictures.h"

#include "platform/Paths.h"

#include <jpeglib.h>
#include <zlib.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <vector>

namespace qbphone {

namespace {

// Pixel (x, y) of the pattern, RGB from 0x00RRGGBB: a disc of colour a on colour b.
void Pixel(int size, int x, int y, uint32_t a, uint32_t b, unsigned char* rgb) {
  int dx = 2 * x - size, dy = 2 * y - size;
  uint32_t c = dx * dx + dy * dy < size * size * 2 / 3 ? a : b;
  rgb[0] = static_cast<unsigned char>(c >> 16);
  rgb[1] = static_cast<unsigned char>(c >> 8);
  rgb[2] = static_cast<unsigned char>(c);
}

void PutBigEndian(std::string* out, uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out->push_back(static_cast<char>((v >> s) & 0xFF));
}

void PutChunk(std::string* out, const char* type, const std::string& data) {
  PutBigEndian(out, static_cast<uint32_t>(data.size()));
  std::string body = std::string(type, 4) + data;
  out->append(body);
  PutBigEndian(out, static_cast<uint32_t>(
                        crc32(0, reinterpret_cast<const Bytef*>(body.data()), body.size())));
}

}  // namespace

std::string MakeDemoPng(int size, uint32_t colour_a, uint32_t colour_b) {
  std::string raw;
  for (int y = 0; y < size; ++y) {
    raw.push_back('\0');  // filter: none
    for (int x = 0; x < size; ++x) {
      unsigned char rgb[3];
      Pixel(size, x, y, colour_a, colour_b, rgb);
      raw.append(reinterpret_cast<char*>(rgb), 3);
    }
  }
  uLongf packed_size = compressBound(raw.size());
  std::string packed(packed_size, '\0');
  if (compress(reinterpret_cast<Bytef*>(packed.data()), &packed_size,
               reinterpret_cast<const Bytef*>(raw.data()), raw.size()) != Z_OK) {
    return {};
  }
  packed.resize(packed_size);
  std::string header;
  PutBigEndian(&header, static_cast<uint32_t>(size));
  PutBigEndian(&header, static_cast<uint32_t>(size));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8-bit RGB, no interlace
  std::string png("\x89PNG\r\n\x1a\n", 8);
  PutChunk(&png, "IHDR", header);
  PutChunk(&png, "IDAT", packed);
  PutChunk(&png, "IEND", "");
  return png;
}

std::string MakeDemoJpeg(int size, uint32_t colour_a, uint32_t colour_b) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long buffer_size = 0;
  jpeg_mem_dest(&info, &buffer, &buffer_size);
  info.image_width = static_cast<JDIMENSION>(size);
  info.image_height = static_cast<JDIMENSION>(size);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 85, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(static_cast<size_t>(size) * 3);
  while (info.next_scanline < info.image_height) {
    for (int x = 0; x < size; ++x) {
      Pixel(size, x, static_cast<int>(info.next_scanline), colour_a, colour_b, &row[x * 3]);
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string jpeg(reinterpret_cast<char*>(buffer), buffer_size);
  std::free(buffer);
  return jpeg;
}

bool PutDemoPictures(const std::string& folder) {
  struct Picture {
    const char* name;
    uint32_t a, b;
  };
  static constexpr Picture kPictures[] = {
      {"harbour.jpg", 0x1F5F8Fu, 0xE0E8F0u},  {"garden.png", 0x2E7D32u, 0xC5E1A5u},
      {"sunset.jpg", 0xE65100u, 0xFFCC80u},   {"family.jpg", 0x6A1B9Au, 0xE1BEE7u},
      {"mountain.png", 0x455A64u, 0xCFD8DCu},
  };
  if (!platform::MakeDirectories(folder)) return false;
  const time_t now = std::time(nullptr);
  int age = 0;
  for (const Picture& picture : kPictures) {
    const std::string path = folder + "/" + picture.name;
    struct stat info {};
    ++age;
    if (stat(path.c_str(), &info) == 0) continue;
    const bool png = std::string(picture.name).ends_with(".png");
    const std::string bytes =
        png ? MakeDemoPng(160, picture.a, picture.b) : MakeDemoJpeg(160, picture.a, picture.b);
    if (!platform::WriteFileAtomically(path, bytes)) return false;
    const struct timespec times[2] = {{now - age * 60, 0}, {now - age * 60, 0}};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
  }
  return true;
}

}  // namespace qbphone
