// Helpers of the theme tests: ZIP archives built with minizip's writer, hand-made ZIP bytes
// for damaged cases, and small PNG images drawn here so the tests need no image files.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace theme_test {

struct Member {
  std::string name;
  std::string bytes;
  bool stored = false;  // no compression
};

// Writes a ZIP archive with the members in order; returns its path.
std::string WriteArchive(const std::string& path, const std::vector<Member>& members);

// Stored-only ZIP bytes built by hand, so tests can damage any header field afterwards.
struct RawZip {
  std::string bytes;
  std::vector<size_t> local_offsets;    // offset of each local header
  std::vector<size_t> central_offsets;  // offset of each central directory header
};
RawZip BuildStoredZip(const std::vector<Member>& members);
void Put16(std::string& bytes, size_t offset, uint16_t value);
void Put32(std::string& bytes, size_t offset, uint32_t value);

// An RGBA PNG of w x h; `pixel(x, y)` returns 0xAARRGGBB, opaque or fully clear (0).
std::string EncodePng(int w, int h, const std::function<uint32_t(int, int)>& pixel);

// A PNG of one opaque colour.
std::string SolidPng(int w, int h, uint32_t argb);

}  // namespace theme_test
