// Safe rewriting of the cache file through a temporary file and a rename.
#include "contacts/CacheFileWriter.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/Text.h"

namespace {

constexpr size_t kFlushThreshold = 64 * 1024;

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

void SyncFolderOf(const std::string& path) {
  std::string folder = std::filesystem::path(path).parent_path().string();
  int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

CacheFileWriter::~CacheFileWriter() {
  Abandon();
}

// The temporary name is fixed, so a writer killed before Commit leaves at most one stale
// temporary file, which the next writer truncates. The lock keeps two writers apart.
bool CacheFileWriter::Open(const std::string& path) {
  Abandon();
  path_ = path;
  temp_path_ = path + ".tmp";
  int fd = ::open(temp_path_.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ftruncate(fd, 0) != 0) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  failed_ = false;
  buffer_.clear();
  return true;
}

void CacheFileWriter::Write(std::u16string_view text) {
  if (fd_ < 0 || failed_) return;
  buffer_ += platform::ToUtf8(text);
  if (buffer_.size() >= kFlushThreshold && !FlushBuffer()) failed_ = true;
}

bool CacheFileWriter::FlushBuffer() {
  bool ok = WriteAll(fd_, buffer_.data(), buffer_.size());
  buffer_.clear();
  return ok;
}

bool CacheFileWriter::Commit() {
  if (fd_ < 0) return false;
  bool ok = !failed_ && FlushBuffer() && ::fsync(fd_) == 0;
  ok = ok && ::rename(temp_path_.c_str(), path_.c_str()) == 0;
  if (!ok) {
    Abandon();
    return false;
  }
  ::close(fd_);  // after the rename, so the lock covers it
  fd_ = -1;
  SyncFolderOf(path_);
  return true;
}

void CacheFileWriter::Abandon() {
  if (fd_ < 0) return;
  ::unlink(temp_path_.c_str());
  ::close(fd_);
  fd_ = -1;
  buffer_.clear();
}
