// Image decoding for theme images and contact pictures: PNG and JPEG only, recognised by their
// first bytes and checked by our own code before any decoder allocates (PNG chunk walk, JPEG
// header dimensions, bounded progressive scans). Every size is capped; anything else is
// refused. Decoded images are Surfaces with their alpha kept.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "platform/Surface.h"

namespace platform {

enum class ImageFormat { kUnknown, kPng, kJpeg };

inline constexpr size_t kMaxEncodedImageBytes = 16u << 20;
inline constexpr int kMaxImageDimension = 4096;

// Format by signature; kUnknown for anything else.
ImageFormat SniffImageFormat(std::span<const uint8_t> bytes);

// Width and height read from the header after the safety checks; nullopt when refused.
std::optional<SIZE> PeekImageSize(std::span<const uint8_t> bytes);

// Decodes a PNG or JPEG held in memory; null when refused or damaged.
std::unique_ptr<Surface> DecodeImage(std::span<const uint8_t> bytes);
// Reads (at most kMaxEncodedImageBytes) and decodes a file; null on any failure.
std::unique_ptr<Surface> DecodeImageFile(const std::string& path);

// A resized copy (smooth scaling, alpha kept); width and height at least 1.
std::unique_ptr<Surface> ScaleImage(const Surface& image, int width, int height);

// The image as a JPEG file's bytes at `quality` (1..100), composed over white where it is
// transparent; nullopt when encoding fails.
std::optional<std::string> EncodeJpeg(const Surface& image, int quality);

}  // namespace platform
