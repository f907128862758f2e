// Line reading of UTF-16 (with byte-order mark), UTF-8 and Windows-1252 text files.
#include "theme/FileReader.h"

#include <algorithm>
#include <cstdio>

#include "theme/ProgramPath.h"

namespace theme {

namespace {

constexpr size_t kReadChunkBytes = 64 * 1024;
constexpr size_t kReadAheadUnits = 2048;

bool IsLineEnd(char16_t c) {
  return c == u'\r' || c == u'\n';
}

// Whether the file from its current position on is valid UTF-8 (the first `limit` bytes
// decide); the position is restored. So a file without a mark is read twice: here, then line
// by line.
bool RestIsUtf8(std::FILE* file, uint64_t limit) {
  const long start = std::ftell(file);
  std::string pending;
  std::vector<char> chunk(kReadChunkBytes);
  uint64_t scanned = 0;
  bool valid = true;
  while (valid && scanned < limit) {
    const size_t got = std::fread(chunk.data(), 1, chunk.size(), file);
    if (got == 0) break;
    scanned += got;
    pending.append(chunk.data(), got);
    const size_t tail = platform::IncompleteUtf8Tail(pending);
    valid = platform::IsValidUtf8(std::string_view(pending).substr(0, pending.size() - tail));
    pending.erase(0, pending.size() - tail);
  }
  // A sequence cut short by the end of the file is invalid; one cut by the limit is not.
  valid = valid && (pending.empty() || scanned >= limit);
  std::clearerr(file);
  return std::fseek(file, start, SEEK_SET) == 0 && valid;
}

}  // namespace

FileReader::FileReader(std::u16string_view name) {
  Start(platform::OpenRegularFile(MakeProgramPath(name)));
}

FileReader::FileReader(const std::string& path) {
  Start(platform::OpenRegularFile(MakeProgramPath(std::string_view(path))));
}

FileReader::FileReader(platform::FilePtr file) {
  Start(std::move(file));
}

FileReader::~FileReader() = default;

void FileReader::Start(platform::FilePtr file) {
  file_ = std::move(file);
  if (!file_) return;
  char start[3];
  const size_t got = std::fread(start, 1, sizeof start, file_.get());
  const auto mark = platform::FindByteOrderMark(std::string_view(start, got));
  std::clearerr(file_.get());
  if (std::fseek(file_.get(), mark ? static_cast<long>(mark->length) : 0, SEEK_SET) != 0) {
    file_.reset();
    return;
  }
  if (mark) {
    encoding_ = mark->encoding;
  } else {
    encoding_ = RestIsUtf8(file_.get(), kMaxScanBytes) ? platform::TextEncoding::kUtf8
                                                       : platform::TextEncoding::kWindows1252;
  }
}

bool FileReader::IsUtf16() const {
  return encoding_ == platform::TextEncoding::kUtf16LittleEndian ||
         encoding_ == platform::TextEncoding::kUtf16BigEndian;
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
    units_.push_back(encoding_ == platform::TextEncoding::kUtf16LittleEndian
                         ? static_cast<char16_t>(a | (b << 8))
                         : static_cast<char16_t>((a << 8) | b));
    ++added;
  }
  return added > 0;
}

bool FileReader::HasMore() {
  if (!file_) return false;
  if (!units_.empty() || bytes_.size() - byte_pos_ >= (IsUtf16() ? 2u : 1u)) return true;
  return IsUtf16() ? FillUnits() : FillBytes();
}

std::u16string FileReader::ReadLine() {
  if (!file_) return {};
  return IsUtf16() ? ReadUtf16Line() : ReadEightBitLine();
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

std::u16string FileReader::ReadEightBitLine() {
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
  return platform::DecodeText(raw, encoding_);
}

}  // namespace theme
