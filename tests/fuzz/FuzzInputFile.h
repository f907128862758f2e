// For harnesses whose code under test reads a file: writes the fuzz input to one temporary
// file per process (made on first use) and returns its path, or "" when it cannot be written.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

inline std::string WriteFuzzInputFile(const uint8_t* data, size_t size) {
  static const std::string path = [] {
    char name[] = "/tmp/qb_fuzz_input_XXXXXX";
    const int fd = mkstemp(name);
    if (fd >= 0) close(fd);
    return std::string(name);
  }();
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return {};
  const bool written = std::fwrite(data, 1, size, file) == size;
  return std::fclose(file) == 0 && written ? path : std::string();
}
