// Archive and image builders for the theme tests.
#include "ThemeTestSupport.h"

#include <minizip/zip.h>
#include <zlib.h>

#include <stdexcept>

namespace theme_test {

namespace {

void Append16(std::string& out, uint16_t v) {
  out.resize(out.size() + 2);
  Put16(out, out.size() - 2, v);
}

void Append32(std::string& out, uint32_t v) {
  out.resize(out.size() + 4);
  Put32(out, out.size() - 4, v);
}

void AppendBig32(std::string& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

uint32_t Crc(const std::string& bytes) {
  return static_cast<uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

void AppendChunk(std::string& out, const std::string& type, const std::string& data) {
  AppendBig32(out, static_cast<uint32_t>(data.size()));
  out += type + data;
  AppendBig32(out, Crc(type + data));
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
    std::string header;
    Append32(header, 0x04034b50);
    Append16(header, 10);  // version needed
    Append16(header, 0);   // flags
    Append16(header, 0);   // stored
    Append32(header, 0);   // time and date
    Append32(header, Crc(member.bytes));
    Append32(header, static_cast<uint32_t>(member.bytes.size()));
    Append32(header, static_cast<uint32_t>(member.bytes.size()));
    Append16(header, static_cast<uint16_t>(member.name.size()));
    Append16(header, 0);
    std::string entry;
    Append32(entry, 0x02014b50);
    Append16(entry, 20);  // version made by
    entry += header.substr(4, 26);
    Append16(entry, 0);  // comment length
    Append16(entry, 0);  // disk
    Append16(entry, 0);  // internal attributes
    Append32(entry, 0);  // external attributes
    Append32(entry, static_cast<uint32_t>(zip.bytes.size()));
    zip.bytes += header + member.name + member.bytes;
    zip.central_offsets.push_back(central.size());  // moved past the members below
    central += entry + member.name;
  }
  const size_t central_start = zip.bytes.size();
  for (size_t& offset : zip.central_offsets) offset += central_start;
  zip.bytes += central;
  std::string end;
  Append32(end, 0x06054b50);
  Append32(end, 0);  // this disk and the directory's disk
  const auto count = static_cast<uint16_t>(members.size());
  Append16(end, count);
  Append16(end, count);
  Append32(end, static_cast<uint32_t>(central.size()));
  Append32(end, static_cast<uint32_t>(central_start));
  Append16(end, 0);
  zip.bytes += end;
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
  std::string raw;
  for (int y = 0; y < h; ++y) {
    raw += '\0';  // no filter
    for (int x = 0; x < w; ++x) {
      const uint32_t p = pixel(x, y);
      raw += static_cast<char>((p >> 16) & 0xFF);
      raw += static_cast<char>((p >> 8) & 0xFF);
      raw += static_cast<char>(p & 0xFF);
      raw += static_cast<char>(p >> 24);
    }
  }
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  std::string packed(size, '\0');
  compress(reinterpret_cast<Bytef*>(packed.data()), &size,
           reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size()));
  packed.resize(size);
  std::string header;
  AppendBig32(header, static_cast<uint32_t>(w));
  AppendBig32(header, static_cast<uint32_t>(h));
  header += std::string("\x08\x06\x00\x00\x00", 5);
  std::string png("\x89PNG\r\n\x1a\n", 8);
  AppendChunk(png, "IHDR", header);
  AppendChunk(png, "IDAT", packed);
  AppendChunk(png, "IEND", "");
  return png;
}

std::string SolidPng(int w, int h, uint32_t argb) {
  return EncodePng(w, h, [argb](int, int) { return argb; });
}

}  // namespace theme_test
