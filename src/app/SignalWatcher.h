// Turns SIGINT and SIGTERM into a close request on the UI thread, and SIGUSR2 into a request
// for a state dump (for tests that change the device from outside while the program runs). The
// signals are blocked in every thread (construct this before any other thread starts) and taken by
// a thread of its own with sigwait, which posts the request.
#pragma once

#include <pthread.h>

#include <functional>
#include <thread>

namespace app {

class SignalWatcher {
 public:
  // Both run on the watcher thread; they must only post. `on_dump` may be empty.
  explicit SignalWatcher(std::function<void()> on_signal, std::function<void()> on_dump = {});
  ~SignalWatcher();
  SignalWatcher(const SignalWatcher&) = delete;
  SignalWatcher& operator=(const SignalWatcher&) = delete;

 private:
  std::function<void()> on_signal_;
  std::function<void()> on_dump_;
  std::thread thread_;
};

}  // namespace app
