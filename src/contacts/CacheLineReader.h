// Reads the lines of a cache file held in memory, each with its line end kept, whatever its
// length. The file is UTF-8 without a byte-order mark; a file that begins with one keeps it
// in its first line, which then never equals the header.
#pragma once

#include <cstddef>
#include <string>

class CacheLineReader {
 public:
  explicit CacheLineReader(std::string bytes) : bytes_(std::move(bytes)) {}

  // Reads the file at `path` (at most `max_bytes`); false when missing, unreadable or larger.
  static bool FromFile(const std::string& path, size_t max_bytes, CacheLineReader& reader);

  bool HasMore() const { return position_ < bytes_.size(); }
  // The next line up to and including its LF (or to the end of the file), as UTF-16.
  // Invalid UTF-8 becomes U+FFFD. Empty once exhausted.
  std::u16string ReadLine();

 private:
  std::string bytes_;
  size_t position_ = 0;
};
