#include "platform/gfx/ImageStructure.h"

#include <cstring>

#include "platform/Imaging.h"

namespace platform::gfx {

namespace {

constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint32_t kMaxPngChunkLength = 0x7FFFFFFFu;  // the format's own limit

uint32_t ReadBig32(const uint8_t* p) {
  return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}
int ReadBig16(const uint8_t* p) {
  return (int(p[0]) << 8) | p[1];
}

bool DimensionOk(uint32_t v) {
  return v >= 1 && v <= uint32_t(kMaxImageDimension);
}

bool IsTextChunk(const uint8_t* type) {
  return std::memcmp(type, "tEXt", 4) == 0 || std::memcmp(type, "zTXt", 4) == 0 ||
         std::memcmp(type, "iTXt", 4) == 0;
}

}  // namespace

std::optional<CheckedPng> CheckPng(std::span<const uint8_t> bytes, bool keep_bytes) {
  if (bytes.size() > kMaxEncodedImageBytes || bytes.size() < sizeof kPngSignature) return {};
  if (std::memcmp(bytes.data(), kPngSignature, sizeof kPngSignature) != 0) return {};
  CheckedPng png;
  if (keep_bytes) png.bytes.assign(bytes.begin(), bytes.begin() + sizeof kPngSignature);
  size_t pos = sizeof kPngSignature;
  bool first = true;
  while (true) {
    size_t left = bytes.size() - pos;
    if (left < 12) return {};  // a chunk needs length, type and CRC; no IEND seen
    const uint8_t* chunk = bytes.data() + pos;
    uint32_t length = ReadBig32(chunk);
    if (length > kMaxPngChunkLength || length > left - 12) return {};
    const uint8_t* type = chunk + 4;
    if (first) {
      if (std::memcmp(type, "IHDR", 4) != 0 || length != 13) return {};
      uint32_t w = ReadBig32(chunk + 8), h = ReadBig32(chunk + 12);
      if (!DimensionOk(w) || !DimensionOk(h)) return {};
      png.width = int(w), png.height = int(h);
      first = false;
    } else if (std::memcmp(type, "IHDR", 4) == 0) {
      return {};  // a second header
    }
    size_t total = size_t(length) + 12;
    if (keep_bytes && !IsTextChunk(type)) png.bytes.insert(png.bytes.end(), chunk, chunk + total);
    pos += total;
    if (std::memcmp(type, "IEND", 4) == 0) return png;
  }
}

namespace {

// Markers that stand alone (no length field): TEM, RST0..RST7, SOI, EOI.
bool IsStandalone(uint8_t m) {
  return m == 0x01 || (m >= 0xD0 && m <= 0xD9);
}

// Start-of-frame markers (C0..CF without DHT C4, JPG C8 and DAC CC).
bool IsFrameHeader(uint8_t m) {
  return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}

// After a scan header, skips the entropy-coded data to the next real marker (an 0xFF that is
// not a stuffed zero or a restart marker). Returns the position of that 0xFF or size.
size_t SkipEntropyData(std::span<const uint8_t> b, size_t pos) {
  while (pos + 1 < b.size()) {
    if (b[pos] == 0xFF) {
      uint8_t next = b[pos + 1];
      if (next != 0x00 && next != 0xFF && !(next >= 0xD0 && next <= 0xD7)) return pos;
      pos += (next == 0xFF) ? 1 : 2;
    } else {
      ++pos;
    }
  }
  return b.size();
}

}  // namespace

std::optional<CheckedJpeg> CheckJpeg(std::span<const uint8_t> b) {
  if (b.size() > kMaxEncodedImageBytes || b.size() < 4) return {};
  if (b[0] != 0xFF || b[1] != 0xD8) return {};
  CheckedJpeg jpeg;
  size_t pos = 2;
  while (true) {
    // Fill bytes (extra 0xFF) may precede a marker.
    while (pos < b.size() && b[pos] == 0xFF && pos + 1 < b.size() && b[pos + 1] == 0xFF) ++pos;
    if (pos + 1 >= b.size() || b[pos] != 0xFF) return {};  // truncated or not a marker
    uint8_t marker = b[pos + 1];
    pos += 2;
    if (marker == 0xD9) break;  // end of image
    if (IsStandalone(marker)) continue;
    if (pos + 2 > b.size()) return {};
    size_t length = size_t(ReadBig16(&b[pos]));
    if (length < 2 || length > b.size() - pos) return {};
    if (IsFrameHeader(marker)) {
      if (jpeg.width != 0 || length < 8) return {};  // one frame only
      int h = ReadBig16(&b[pos + 3]), w = ReadBig16(&b[pos + 5]);
      if (!DimensionOk(uint32_t(w)) || !DimensionOk(uint32_t(h))) return {};
      jpeg.width = w, jpeg.height = h;
    }
    pos += length;
    if (marker == 0xDA) {
      if (jpeg.width == 0 || ++jpeg.scans > kMaxJpegScans) return {};
      pos = SkipEntropyData(b, pos);
    }
  }
  if (jpeg.width == 0 || jpeg.scans == 0) return {};
  return jpeg;
}

}  // namespace platform::gfx
