// Line reading of cache files.
#include "contacts/CacheLineReader.h"

#include "platform/Paths.h"
#include "platform/Text.h"

bool CacheLineReader::FromFile(const std::string& path, size_t max_bytes, CacheLineReader& reader) {
  std::string bytes;
  if (!platform::ReadFileBytes(path, bytes, max_bytes)) return false;
  reader = CacheLineReader(std::move(bytes));
  return true;
}

std::u16string CacheLineReader::ReadLine() {
  if (!HasMore()) return {};
  size_t end = bytes_.find('\n', position_);
  end = end == std::string::npos ? bytes_.size() : end + 1;
  std::string_view line(bytes_.data() + position_, end - position_);
  position_ = end;
  return platform::FromUtf8(line);
}
