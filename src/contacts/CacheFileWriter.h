// Writes a cache file safely while its records arrive one by one: the text goes to a
// temporary file in the same folder, and only Commit puts it in place, after every write was
// checked, the data flushed and synced, by renaming it over the old file. A writer that fails
// or is destroyed (or killed) before Commit leaves the old file as it was.
//
// Encoding on disk: UTF-8 without a byte-order mark; the caller writes the line ends.
//
// One writer per target file at a time: a second writer of the same file fails to open.
#pragma once

#include <string>
#include <string_view>

class CacheFileWriter {
 public:
  CacheFileWriter() = default;
  ~CacheFileWriter();
  CacheFileWriter(const CacheFileWriter&) = delete;
  CacheFileWriter& operator=(const CacheFileWriter&) = delete;

  // Starts a new version of `path`. False when the temporary file cannot be created.
  bool Open(const std::string& path);
  bool IsOpen() const { return fd_ >= 0; }

  // Appends text. A failure is remembered and makes Commit fail.
  void Write(std::u16string_view text);

  // Puts the new version in place. False (and the old file kept) when any step failed.
  bool Commit();

  // Drops the new version and keeps the old file.
  void Abandon();

 private:
  bool FlushBuffer();

  std::string path_;
  std::string temp_path_;
  std::string buffer_;
  int fd_ = -1;
  bool failed_ = false;
};
