// Fuzzes FileReader: arbitrary bytes as a text file (either byte-order mark or none), read to
// the end, checking that every call terminates and the byte count only grows.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "theme/FileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = [] {
    char name[] = "/tmp/qb_fuzz_file_reader_XXXXXX";
    const int fd = mkstemp(name);
    if (fd >= 0) close(fd);
    return std::string(name);
  }();
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);
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
