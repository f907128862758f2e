// Fuzzes FileReader: arbitrary bytes as a text file (any byte-order mark, or none: UTF-8 or
// Windows-1252 by validity), read to the end, checking that every call terminates and the
// byte count only grows.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzInputFile.h"
#include "theme/FileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = WriteFuzzInputFile(data, size);
  if (path.empty()) return 0;
  theme::FileReader reader(path);
  uint64_t consumed = 0;
  size_t lines = 0;
  while (reader.HasMore()) {
    reader.ReadLine();
    if (reader.BytesConsumed() < consumed || ++lines > size + 1) std::abort();
    consumed = reader.BytesConsumed();
  }
  return 0;
}
