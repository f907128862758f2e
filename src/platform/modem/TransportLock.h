// One phone SMS transport per device profile: the transport holds an exclusive lock on
// "qbphoned.lock" in the device profile for as long as it runs (the kernel drops it when the
// process ends, however it ends).
#pragma once

#include <optional>
#include <string>

namespace platform::modem {

class TransportLock {
 public:
  // The lock, or nothing when another transport holds it (or the file cannot be made).
  static std::optional<TransportLock> Acquire();
  // Whether a transport runs for this device profile now.
  static bool IsHeld();

  TransportLock(TransportLock&& other) noexcept;
  TransportLock& operator=(TransportLock&&) = delete;
  TransportLock(const TransportLock&) = delete;
  ~TransportLock();

 private:
  explicit TransportLock(int fd) : fd_(fd) {}
  int fd_;
};

// Starts the transport (`qbphoned` beside this program) for this device profile when the
// profile's SMS backend is the modem and no transport runs. False when it had to start one
// and could not.
bool EnsureSmsTransport();

}  // namespace platform::modem
