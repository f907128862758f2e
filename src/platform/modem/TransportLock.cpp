#include "platform/modem/TransportLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/Paths.h"
#include "platform/ServiceBackend.h"
#include "platform/shellexec/ProgramStarter.h"

namespace platform::modem {

namespace {

int OpenLockFile() {
  const std::string path = DeviceDir() + "/qbphoned.lock";
  return ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
}

}  // namespace

std::optional<TransportLock> TransportLock::Acquire() {
  const int fd = OpenLockFile();
  if (fd < 0) return {};
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return {};
  }
  return TransportLock(fd);
}

bool TransportLock::IsHeld() {
  const int fd = OpenLockFile();
  if (fd < 0) return false;
  const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
  ::close(fd);  // closing drops the lock this test may have taken
  return held;
}

TransportLock::TransportLock(TransportLock&& other) noexcept : fd_(other.fd_) {
  other.fd_ = -1;
}

TransportLock::~TransportLock() {
  if (fd_ >= 0) ::close(fd_);
}

bool EnsureSmsTransport() {
  if (ReadServiceBackend(PlatformService::kSms) != ServiceBackend::kModem) return true;
  if (TransportLock::IsHeld()) return true;
  // A transport started twice at once is harmless: the second finds the lock held and ends.
  return shellexec::StartProgram({ExecutableDir() + "/qbphoned", "--device", DeviceDir()}, {});
}

}  // namespace platform::modem
