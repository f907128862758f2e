// Structure checks of encoded images, done by our own code before any decoder sees the bytes.
// PNG: the chunk list is walked (length, type, data, CRC); every chunk must fit in what is
// left, the first must be a 13-byte IHDR with sane dimensions, and the list must end with
// IEND. Text chunks are dropped from the bytes handed on. JPEG: the markers are walked up to
// the end of image; the frame header gives the dimensions, and the number of scans is
// bounded (progressive files can otherwise make the decoder loop for long).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace platform::gfx {

struct CheckedPng {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> bytes;  // the file without its text chunks
};

struct CheckedJpeg {
  int width = 0;
  int height = 0;
  int scans = 0;
};

inline constexpr int kMaxJpegScans = 100;

// Both refuse (nullopt) anything that breaks the rules above or exceeds the size limits.
std::optional<CheckedPng> CheckPng(std::span<const uint8_t> bytes, bool keep_bytes);
std::optional<CheckedJpeg> CheckJpeg(std::span<const uint8_t> bytes);

}  // namespace platform::gfx
