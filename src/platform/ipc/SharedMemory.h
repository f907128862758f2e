// Named shared memory (POSIX shm_open + mmap), for blocks that another process of the same
// device profile fills (the SMS bridge). Names are scoped to the device profile: the object
// behind "SmsBuffer" is "/quillbook-<hash of the profile folder>-SmsBuffer".
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace platform::ipc {

inline constexpr size_t kMaxSharedMemoryBytes = 16u << 20;

class SharedMemory {
 public:
  // Creates the object (or opens an existing one) and sizes it to `size` bytes (1 to
  // kMaxSharedMemoryBytes); new bytes read as zero. Null on failure or a bad name. Names are
  // 1-64 characters of letters, digits, '_' and '-'.
  static std::unique_ptr<SharedMemory> Create(const std::string& name, size_t size);
  // Opens an existing object with its current size; null when missing, empty or too large.
  static std::unique_ptr<SharedMemory> Open(const std::string& name);
  // Removes the name (mappings stay valid until unmapped). False when it did not exist.
  static bool Unlink(const std::string& name);
  // The system-wide object name for a name of this device profile; empty when invalid.
  static std::string ScopedName(const std::string& name);

  ~SharedMemory();
  SharedMemory(const SharedMemory&) = delete;
  SharedMemory& operator=(const SharedMemory&) = delete;

  void* Data() const { return data_; }
  size_t Size() const { return size_; }

 private:
  SharedMemory(void* data, size_t size) : data_(data), size_(size) {}
  static std::unique_ptr<SharedMemory> Map(int fd, size_t size);

  void* data_;
  size_t size_;
};

}  // namespace platform::ipc
