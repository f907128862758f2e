// Encodes a canvas as PNG bytes: 8-bit RGB when every pixel is opaque, 8-bit RGBA otherwise,
// maximum zlib compression, no time or text chunks, so the same pixels always give the same
// bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Canvas.h"

namespace themeart {

std::vector<uint8_t> EncodePng(const Canvas& canvas);

// Writes the bytes to a file; false when the file cannot be written completely.
bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// Reads a whole file; empty when it does not exist or cannot be read.
std::vector<uint8_t> ReadFileBytes(const std::string& path);

}  // namespace themeart
