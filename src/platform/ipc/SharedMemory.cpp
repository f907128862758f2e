#include "platform/ipc/SharedMemory.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>

#include "platform/Paths.h"
#include "platform/ipc/InstanceEndpoint.h"
#include "platform/ipc/UniqueFd.h"

namespace platform::ipc {

namespace {

constexpr size_t kMaxName = 64;

}  // namespace

std::string SharedMemory::ScopedName(const std::string& name) {
  if (!IsPlainName(name, kMaxName)) return {};
  return "/quillbook-" + HashName(DeviceDir()) + "-" + name;
}

std::unique_ptr<SharedMemory> SharedMemory::Map(int fd, size_t size) {
  void* data = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  if (data == MAP_FAILED) return nullptr;
  return std::unique_ptr<SharedMemory>(new SharedMemory(data, size));
}

std::unique_ptr<SharedMemory> SharedMemory::Create(const std::string& name, size_t size) {
  const std::string scoped = ScopedName(name);
  if (scoped.empty() || size == 0 || size > kMaxSharedMemoryBytes) return nullptr;
  UniqueFd fd(::shm_open(scoped.c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0600));
  if (!fd.Valid() || ::ftruncate(fd.Get(), static_cast<off_t>(size)) != 0) return nullptr;
  return Map(fd.Get(), size);
}

std::unique_ptr<SharedMemory> SharedMemory::Open(const std::string& name) {
  const std::string scoped = ScopedName(name);
  if (scoped.empty()) return nullptr;
  UniqueFd fd(::shm_open(scoped.c_str(), O_RDWR | O_CLOEXEC, 0));
  struct stat info {};
  if (!fd.Valid() || ::fstat(fd.Get(), &info) != 0) return nullptr;
  if (info.st_size <= 0 || static_cast<size_t>(info.st_size) > kMaxSharedMemoryBytes) {
    return nullptr;
  }
  return Map(fd.Get(), static_cast<size_t>(info.st_size));
}

bool SharedMemory::Unlink(const std::string& name) {
  const std::string scoped = ScopedName(name);
  return !scoped.empty() && ::shm_unlink(scoped.c_str()) == 0;
}

SharedMemory::~SharedMemory() {
  ::munmap(data_, size_);
}

}  // namespace platform::ipc
