// Fuzzes FileReader: arbitrary bytes as a text file (any byte-order mark, or none: UTF-8 or
// Windows-1252 by validity), read from memory to the end, checking that every call terminates
// and the byte count only grows.
#include <stdio.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "theme/FileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  platform::FilePtr file(fmemopen(bytes.data(), bytes.size(), "rb"));
  if (!file) return 0;
  theme::FileReader reader(std::move(file));
  uint64_t consumed = 0;
  size_t lines = 0;
  while (reader.HasMore()) {
    reader.ReadLine();
    if (reader.BytesConsumed() < consumed || ++lines > size + 1) std::abort();
    consumed = reader.BytesConsumed();
  }
  return 0;
}
