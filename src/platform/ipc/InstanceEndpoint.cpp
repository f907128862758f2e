#include "platform/ipc/InstanceEndpoint.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <thread>

#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/ipc/UniqueFd.h"

namespace platform::ipc {

namespace {

// The longest line is an sms: URI (kMaxUriBytes); the rest fits in 1 KiB.
constexpr size_t kMaxRequestBytes = kMaxUriBytes + 1024;
constexpr size_t kMaxMessageName = 255;
constexpr int kAnswerTimeoutMs = 1000;

// Holds an exclusive flock for its lifetime.
class FileLock {
 public:
  explicit FileLock(const std::string& path)
      : fd_(::open(path.c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0600)) {
    while (fd_.Valid() && ::flock(fd_.Get(), LOCK_EX) != 0) {
      if (errno != EINTR) {
        fd_.Reset();
        break;
      }
    }
  }
  ~FileLock() {
    if (fd_.Valid()) ::flock(fd_.Get(), LOCK_UN);
  }
  bool Held() const { return fd_.Valid(); }

 private:
  UniqueFd fd_;
};

bool MakeAddress(const std::string& path, sockaddr_un& address) {
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return true;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// Reads until the peer stops writing, `limit` bytes arrive, or the timeout passes.
std::string ReadBounded(int fd, size_t limit, int timeout_ms) {
  std::string bytes;
  char buffer[256];
  while (bytes.size() < limit) {
    pollfd p{fd, POLLIN, 0};
    int ready = ::poll(&p, 1, timeout_ms);
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) break;
    ssize_t n = ::recv(fd, buffer, std::min(sizeof buffer, limit - bytes.size()), 0);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  return bytes;
}

bool IsPrintable(std::string_view text, size_t max_bytes) {
  if (text.empty() || text.size() > max_bytes) return false;
  for (char c : text) {
    if (c < 0x21 || c > 0x7E) return false;
  }
  return true;
}

bool IsPrintableName(std::string_view name) {
  return IsPrintable(name, kMaxMessageName);
}

std::string EncodeRequest(const InstanceRequest& request) {
  std::string bytes;
  if (request.bring_forward) bytes += "FOREGROUND\n";
  if (request.close) bytes += "CLOSE\n";
  if (IsPrintableName(request.post_message)) bytes += "POST " + request.post_message + "\n";
  if (IsPrintable(request.uri, kMaxUriBytes)) bytes += "OPEN " + request.uri + "\n";
  return bytes;
}

// Writes the request on a connected socket and waits (bounded) for the answer.
bool SendOn(int fd, const InstanceRequest& request) {
  if (!WriteAll(fd, EncodeRequest(request))) return false;
  ::shutdown(fd, SHUT_WR);
  return !ReadBounded(fd, 16, kAnswerTimeoutMs).empty();
}

std::string CanonicalFolder(const std::string& dir) {
  std::error_code error;
  auto canonical = std::filesystem::weakly_canonical(dir, error);
  return error ? dir : canonical.string();
}

}  // namespace

std::string HashName(std::string_view text) {
  uint64_t hash = 1469598103934665603ull;
  for (char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return hex;
}

InstanceRequest ParseInstanceRequest(std::string_view bytes) {
  InstanceRequest request;
  if (bytes.size() > kMaxRequestBytes) bytes = bytes.substr(0, kMaxRequestBytes);
  while (!bytes.empty()) {
    size_t end = bytes.find('\n');
    if (end == std::string_view::npos) break;  // an unfinished line is ignored
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end + 1);
    if (line == "FOREGROUND") {
      request.bring_forward = true;
    } else if (line == "CLOSE") {
      request.close = true;
    } else if (line.starts_with("POST ") && IsPrintableName(line.substr(5))) {
      request.post_message = std::string(line.substr(5));
    } else if (line.starts_with("OPEN ") && IsPrintable(line.substr(5), kMaxUriBytes)) {
      request.uri = std::string(line.substr(5));
    }
  }
  return request;
}

// The server side: a thread that accepts connections until told to stop through a pipe.
class InstanceEndpoint::Listener {
 public:
  Listener(UniqueFd socket, Handler handler) : socket_(std::move(socket)), handler_(handler) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) == 0) {
      stop_read_ = UniqueFd(fds[0]);
      stop_write_ = UniqueFd(fds[1]);
    }
    thread_ = std::thread([this] { Run(); });
  }

  ~Listener() {
    if (stop_write_.Valid()) {
      char byte = 1;
      while (::write(stop_write_.Get(), &byte, 1) < 0 && errno == EINTR) {
      }
    }
    thread_.join();
  }

 private:
  void Run() {
    for (;;) {
      pollfd fds[2] = {{socket_.Get(), POLLIN, 0}, {stop_read_.Get(), POLLIN, 0}};
      int ready = ::poll(fds, stop_read_.Valid() ? 2 : 1, -1);
      if (ready < 0 && errno == EINTR) continue;
      if (ready < 0 || (fds[1].revents & (POLLIN | POLLHUP))) return;
      if (fds[0].revents & POLLIN) Serve();
    }
  }

  void Serve() {
    UniqueFd client(::accept4(socket_.Get(), nullptr, nullptr, SOCK_CLOEXEC));
    if (!client.Valid()) return;
    InstanceRequest request =
        ParseInstanceRequest(ReadBounded(client.Get(), kMaxRequestBytes, kAnswerTimeoutMs));
    if (handler_) handler_(request);
    WriteAll(client.Get(), "OK\n");
  }

  UniqueFd socket_;
  Handler handler_;
  UniqueFd stop_read_;
  UniqueFd stop_write_;
  std::thread thread_;
};

InstanceEndpoint::InstanceEndpoint(std::u16string_view class_name, std::u16string_view title,
                                   const std::string& device_dir) {
  const std::string key =
      ToUtf8(class_name) + '\0' + ToUtf8(title) + '\0' + CanonicalFolder(device_dir);
  const std::string base = RuntimeDir() + "/quillbook-" + HashName(key);
  socket_path_ = base + ".sock";
  lock_path_ = base + ".lock";
}

InstanceEndpoint::~InstanceEndpoint() {
  if (!listener_) return;
  listener_.reset();
  FileLock lock(lock_path_);
  ::unlink(socket_path_.c_str());
}

bool InstanceEndpoint::Send(const InstanceRequest& request) const {
  sockaddr_un address;
  if (!MakeAddress(socket_path_, address)) return false;
  UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (!fd.Valid()) return false;
  if (::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    return false;
  }
  return SendOn(fd.Get(), request);
}

InstanceEndpoint::Role InstanceEndpoint::Start(const InstanceRequest& request, Handler handler) {
  sockaddr_un address;
  if (!MakeAddress(socket_path_, address)) return Role::kUnavailable;
  FileLock lock(lock_path_);
  if (!lock.Held()) return Role::kUnavailable;
  UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (!fd.Valid()) return Role::kUnavailable;
  const auto* raw = reinterpret_cast<const sockaddr*>(&address);
  if (::connect(fd.Get(), raw, sizeof address) == 0) {
    SendOn(fd.Get(), request);
    return Role::kSecondary;
  }
  if (errno != ECONNREFUSED && errno != ENOENT) return Role::kUnavailable;
  // Nobody listens: a stale socket from a killed process, or none at all.
  ::unlink(socket_path_.c_str());
  fd = UniqueFd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (!fd.Valid() || ::bind(fd.Get(), raw, sizeof address) != 0 || ::listen(fd.Get(), 8) != 0) {
    return Role::kUnavailable;
  }
  listener_ = std::make_unique<Listener>(std::move(fd), std::move(handler));
  return Role::kPrimary;
}

}  // namespace platform::ipc
