#include "platform/Paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>

namespace platform {

namespace {

std::mutex g_mutex;
std::string g_program_dir;
std::string g_device_dir;

std::string DataHome() {
  if (const char* x = std::getenv("XDG_DATA_HOME"); x && *x) return x;
  if (const char* h = std::getenv("HOME"); h && *h) return std::string(h) + "/.local/share";
  return "/tmp";
}

std::string FromEnvOr(const char* name, const std::string& fallback) {
  if (const char* v = std::getenv(name); v && *v) return v;
  return fallback;
}

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// Opens a regular file for reading without blocking: O_NONBLOCK keeps the open of a FIFO from
// waiting for a writer, then anything but a regular file is closed again. Regular files ignore
// the flag, which is cleared all the same. -1 on failure.
int OpenRegularFileDescriptor(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st {};
  const int flags = ::fcntl(fd, F_GETFL);
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || flags < 0 ||
      ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

const std::string& ProgramDir() {
  std::lock_guard lock(g_mutex);
  if (g_program_dir.empty()) {
    g_program_dir = FromEnvOr("QUILLBOOK_HOME", DataHome() + "/quillbook");
    MakeDirectories(g_program_dir);
  }
  return g_program_dir;
}

void SetProgramDir(const std::string& dir) {
  std::lock_guard lock(g_mutex);
  g_program_dir = dir;
  MakeDirectories(g_program_dir);
}

const std::string& DeviceDir() {
  std::lock_guard lock(g_mutex);
  if (g_device_dir.empty()) {
    g_device_dir = FromEnvOr("QUILLBOOK_DEVICE", DataHome() + "/quillbook/device");
    MakeDirectories(g_device_dir);
  }
  return g_device_dir;
}

void SetDeviceDir(const std::string& dir) {
  std::lock_guard lock(g_mutex);
  g_device_dir = dir;
  MakeDirectories(g_device_dir);
}

std::string ExecutableDir() {
  char buffer[4096];
  const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length <= 0) return ".";
  std::string path(buffer, static_cast<size_t>(length));
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string RuntimeDir() {
  return FromEnvOr("XDG_RUNTIME_DIR", "/tmp");
}

bool MakeDirectories(const std::string& dir) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  return std::filesystem::is_directory(dir, ec);
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
  std::string tmp = path + ".tmp." + std::to_string(::getpid());
  int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(tmp.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(tmp.c_str());
    return false;
  }
  // Make the rename itself durable.
  std::string folder = std::filesystem::path(path).parent_path().string();
  int dfd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  return true;
}

FilePtr OpenRegularFile(const std::string& path) {
  const int fd = OpenRegularFileDescriptor(path);
  if (fd < 0) return nullptr;
  FilePtr file(::fdopen(fd, "rb"));
  if (!file) ::close(fd);
  return file;
}

bool ReadFileBytes(const std::string& path, std::string& out, size_t max_bytes) {
  out.clear();
  int fd = OpenRegularFileDescriptor(path);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || static_cast<uint64_t>(st.st_size) > max_bytes) {
    ::close(fd);
    return false;
  }
  out.resize(static_cast<size_t>(st.st_size));
  size_t got = 0;
  while (got < out.size()) {
    ssize_t n = ::read(fd, out.data() + got, out.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  ::close(fd);
  out.resize(got);
  return true;
}

bool IsPlainName(std::string_view name, size_t max_length) {
  if (name.empty() || name.size() > max_length) return false;
  for (char c : name) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '_' || c == '-';
    if (!ok) return false;
  }
  return true;
}

}  // namespace platform
