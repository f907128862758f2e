// Line reading of UTF-16 (with byte-order mark) and UTF-8 text files.
#include "theme/FileReader.h"

#include <sys/stat.h>

#include <algorithm>

#include "platform/Text.h"
#include "theme/ProgramPath.h"

namespace theme {

namespace {

constexpr size_t kReadChunkBytes = 64 * 1024;
constexpr size_t kReadAheadUnits = 2048;

bool IsLineEnd(char16_t c) {
  return c == u'\r' || c == u'\n';
}

bool IsRegularFile(std::FILE* file) {
  struct stat info {};
  return fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

FileReader::FileReader(std::u16string_view name) {
  Open(MakeProgramPath(name));
}

FileReader::FileReader(const std::string& path) {
  Open(MakeProgramPath(std::string_view(path)));
}

FileReader::~FileReader() = default;

void FileReader::Open(const std::string& path) {
  file_.reset(std::fopen(path.c_str(), "rb"));
  if (file_ && !IsRegularFile(file_.get())) file_.reset();
  if (!file_) return;
  FillBytes();
  if (bytes_.size() - byte_pos_ >= 2) {
    const uint8_t first = bytes_[byte_pos_];
    const uint8_t second = bytes_[byte_pos_ + 1];
    if (first == 0xFF && second == 0xFE) mode_ = Mode::kUtf16LittleEndian;
    if (first == 0xFE && second == 0xFF) mode_ = Mode::kUtf16BigEndian;
    if (mode_ != Mode::kNoMark) byte_pos_ += 2;
  }
}

// Appends the next chunk of the file to the raw read-ahead; false at the end or on an error.
bool FileReader::FillBytes() {
  if (!file_ || at_end_) return false;
  if (byte_pos_ > 0) {
    bytes_.erase(bytes_.begin(), bytes_.begin() + static_cast<ptrdiff_t>(byte_pos_));
    byte_pos_ = 0;
  }
  const size_t old_size = bytes_.size();
  bytes_.resize(old_size + kReadChunkBytes);
  const size_t got = std::fread(bytes_.data() + old_size, 1, kReadChunkBytes, file_.get());
  bytes_.resize(old_size + got);
  if (got == 0) at_end_ = true;
  return got > 0;
}

// Decodes up to kReadAheadUnits more UTF-16 units into the queue; false when none came.
bool FileReader::FillUnits() {
  size_t added = 0;
  while (added < kReadAheadUnits) {
    if (bytes_.size() - byte_pos_ < 2 && !FillBytes()) break;
    if (bytes_.size() - byte_pos_ < 2) continue;
    const uint8_t a = bytes_[byte_pos_];
    const uint8_t b = bytes_[byte_pos_ + 1];
    byte_pos_ += 2;
    units_.push_back(mode_ == Mode::kUtf16LittleEndian ? static_cast<char16_t>(a | (b << 8))
                                                       : static_cast<char16_t>((a << 8) | b));
    ++added;
  }
  return added > 0;
}

bool FileReader::HasMore() {
  if (!file_) return false;
  if (!units_.empty() || bytes_.size() - byte_pos_ >= (mode_ == Mode::kNoMark ? 1u : 2u)) {
    return true;
  }
  if (mode_ == Mode::kNoMark) return FillBytes();
  return FillUnits();
}

std::u16string FileReader::ReadLine() {
  if (!file_) return {};
  return mode_ == Mode::kNoMark ? ReadNoMarkLine() : ReadUtf16Line();
}

std::u16string FileReader::ReadUtf16Line() {
  std::u16string line;
  while (line.size() < kMaxLineUnits) {
    if (units_.empty() && !FillUnits()) return line;
    const char16_t c = units_.front();
    units_.pop_front();
    bytes_consumed_ += 2;
    if (!IsLineEnd(c)) {
      line.push_back(c);
      continue;
    }
    if (units_.empty()) FillUnits();
    if (!units_.empty() && IsLineEnd(units_.front())) {
      units_.pop_front();
      bytes_consumed_ += 2;
    }
    return line;
  }
  return line;
}

std::u16string FileReader::ReadNoMarkLine() {
  std::string raw;
  while (raw.size() < kMaxLineUnits) {
    if (byte_pos_ >= bytes_.size() && !FillBytes()) break;
    const auto begin = bytes_.begin() + static_cast<ptrdiff_t>(byte_pos_);
    const size_t room = kMaxLineUnits - raw.size();
    const size_t available = std::min(room, bytes_.size() - byte_pos_);
    const auto end = begin + static_cast<ptrdiff_t>(available);
    const auto newline = std::find(begin, end, uint8_t{'\n'});
    const bool found = newline != end;
    const auto stop = found ? newline + 1 : end;
    raw.append(begin, stop);
    byte_pos_ += static_cast<size_t>(stop - begin);
    if (found) break;
  }
  bytes_consumed_ += raw.size();
  return platform::FromUtf8(raw);
}

}  // namespace theme
