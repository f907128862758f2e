// Fuzzes the contact cache reader with arbitrary file contents: the header check, record
// reading, unescaping and phone lines. Records read back must write and read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "contacts/CacheFormat.h"
#include "contacts/ContactCache.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CacheLineReader reader(std::string(reinterpret_cast<const char*>(data), size));
  auto records = ReadContactCache(reader, 36);
  for (const auto& record : records) {
    // Every phone entry read back is writable again: no separator, no empty number.
    std::u16string line = contacts::FormatPhoneLine(record->phones);
    if (contacts::ParsePhoneLine(line) != record->phones) abort();
  }
  return 0;
}
