// Watches the store for changes committed by other processes: a thread with its own database
// connection polls PRAGMA data_version about every 50 ms and, when it moved, reads the change
// log entries past the last one seen and hands those of other writers to the session.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

namespace platform::pim {

class PimSession;

class PimWatcher {
 public:
  // Starts watching entries after `last_sequence`. `session` must outlive the watcher.
  PimWatcher(PimSession* session, std::string path, int64_t writer, int64_t last_sequence);
  // Stops and joins the thread.
  ~PimWatcher();
  PimWatcher(const PimWatcher&) = delete;
  PimWatcher& operator=(const PimWatcher&) = delete;

  static constexpr int kPollMilliseconds = 50;

 private:
  void Run();

  PimSession* const session_;
  const std::string path_;
  const int64_t writer_;
  int64_t last_sequence_;  // owned by the thread

  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;  // guarded by mutex_
  std::thread thread_;
};

}  // namespace platform::pim
