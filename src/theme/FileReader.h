// Reads a text file line by line: plain settings.ini and lang.ini overrides. The start of the
// file chooses the decoding:
//   FF FE  UTF-16 little-endian; FE FF  UTF-16 big-endian. Lines end at CR or LF, and a CR or
//          LF right after it belongs to the same line end (CR LF, LF CR, CR CR, LF LF each end
//          one line); the line is returned without its line end.
//   EF BB BF, or no byte-order mark: 8-bit text, UTF-8 after that mark, and without a mark
//          UTF-8 when the file is valid UTF-8, else Windows-1252 (the first kMaxScanBytes
//          decide). Each line is returned whole WITH its line end ("\n" or "\r\n"), the way
//          the wide-character line reader of the runtime returns it; callers trim.
// The mark itself is never part of a line. A line longer than kMaxLineUnits is cut there and
// continues as the next line, so a file without line ends cannot make one line grow without
// bound. Only regular files are read: a FIFO or device under the name reads nothing and never
// blocks.
//
// Thread use: a reader belongs to the thread that made it.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Paths.h"
#include "platform/Text.h"

namespace theme {

class FileReader {
 public:
  static constexpr size_t kMaxLineUnits = 1u << 20;
  static constexpr uint64_t kMaxScanBytes = 32u << 20;

  // Opens a name in the program folder, or an absolute path (see MakeProgramPath). A file that
  // fails to open reads nothing.
  explicit FileReader(std::u16string_view name);
  explicit FileReader(const std::string& path);
  // Reads a stream opened by the caller (a regular file, or bytes in memory through fmemopen)
  // from its start; a null stream reads nothing.
  explicit FileReader(platform::FilePtr file);
  ~FileReader();
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  platform::TextEncoding GetEncoding() const { return encoding_; }
  // True while the file is open and bytes or read-ahead characters remain.
  bool HasMore();
  // The next line (see the file comment); empty at the end of the file or on a read error.
  std::u16string ReadLine();
  // Bytes consumed by the lines read so far: 2 per UTF-16 unit taken, or the raw bytes of
  // 8-bit lines. The byte-order mark is not counted.
  uint64_t BytesConsumed() const { return bytes_consumed_; }

 private:
  void Start(platform::FilePtr file);
  bool IsUtf16() const;
  bool FillBytes();
  bool FillUnits();
  std::u16string ReadUtf16Line();
  std::u16string ReadEightBitLine();

  platform::FilePtr file_;
  platform::TextEncoding encoding_ = platform::TextEncoding::kUtf8;
  std::vector<uint8_t> bytes_;  // raw read-ahead
  size_t byte_pos_ = 0;
  bool at_end_ = false;
  std::deque<char16_t> units_;  // decoded read-ahead (UTF-16 modes)
  uint64_t bytes_consumed_ = 0;
};

}  // namespace theme
