// Archive and image builders for the theme tests.
#include "ThemeTestSupport.h"

#include <minizip/zip.h>
#include <zlib.h>

#include <initializer_list>
#include <stdexcept>
#include <string_view>

#include "platform/Surface.h"
#include "support/TempDir.h"

namespace theme_test {

namespace {

// Appends little-endian fields: widths[i] (a digit) bytes of values[i].
void Append(std::string& out, std::string_view widths, std::initializer_list<size_t> values) {
  const size_t* value = values.begin();
  for (const char width : widths) {
    for (int i = 0; i < width - '0'; ++i) out += static_cast<char>((*value >> (8 * i)) & 0xFF);
    ++value;
  }
}

uint32_t Crc(const std::string& bytes) {
  return static_cast<uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

}  // namespace

std::string WriteArchive(const std::string& path, const std::vector<Member>& members) {
  zipFile zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
  if (!zip) throw std::runtime_error("cannot create " + path);
  for (const auto& member : members) {
    zip_fileinfo info{};
    zipOpenNewFileInZip64(zip, member.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                          member.stored ? 0 : Z_DEFLATED, member.stored ? 0 : 6, 0);
    if (!member.bytes.empty()) {
      zipWriteInFileInZip(zip, member.bytes.data(), static_cast<unsigned>(member.bytes.size()));
    }
    zipCloseFileInZip(zip);
  }
  zipClose(zip, nullptr);
  return path;
}

RawZip BuildStoredZip(const std::vector<Member>& members) {
  RawZip zip;
  std::string central;
  for (const auto& member : members) {
    zip.local_offsets.push_back(zip.bytes.size());
    const size_t size = member.bytes.size();
    // Local header: signature, version needed, flags, method (stored), time and date, CRC,
    // both sizes, name length, extra length.
    std::string header;
    Append(header, "4222444422",
           {0x04034b50, 10, 0, 0, 0, Crc(member.bytes), size, size, member.name.size(), 0});
    // Central entry: signature, version made by, the local header's fields, comment length,
    // disk, internal and external attributes, local header offset.
    std::string entry;
    Append(entry, "42", {0x02014b50, 20});
    entry += header.substr(4, 26);
    Append(entry, "22244", {0, 0, 0, 0, zip.bytes.size()});
    zip.bytes += header + member.name + member.bytes;
    zip.central_offsets.push_back(central.size());  // moved past the members below
    central += entry + member.name;
  }
  const size_t central_start = zip.bytes.size();
  for (size_t& offset : zip.central_offsets) offset += central_start;
  zip.bytes += central;
  // End record: signature, disks, entry counts (this disk, all), directory size and offset,
  // comment length.
  Append(zip.bytes, "4422442",
         {0x06054b50, 0, members.size(), members.size(), central.size(), central_start, 0});
  return zip;
}

void Put16(std::string& bytes, size_t offset, uint16_t value) {
  bytes[offset] = static_cast<char>(value & 0xFF);
  bytes[offset + 1] = static_cast<char>(value >> 8);
}

void Put32(std::string& bytes, size_t offset, uint32_t value) {
  Put16(bytes, offset, static_cast<uint16_t>(value & 0xFFFF));
  Put16(bytes, offset + 2, static_cast<uint16_t>(value >> 16));
}

std::string EncodePng(int w, int h, const std::function<uint32_t(int, int)>& pixel) {
  platform::Surface image(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) image.Pixels()[y * image.StridePixels() + x] = pixel(x, y);
  }
  image.MarkDirty();
  testing_support::TempDir dir;
  if (!image.WritePng(dir.File("image.png"))) throw std::runtime_error("cannot write a PNG");
  return testing_support::ReadAll(dir.File("image.png"));
}

std::string SolidPng(int w, int h, uint32_t argb) {
  return EncodePng(w, h, [argb](int, int) { return argb; });
}

}  // namespace theme_test
