// Turns SIGINT and SIGTERM into a close request on the UI thread, and SIGUSR2 into a request
// for a state dump (for tests that change the device from outside while the program runs). The
// signals are blocked in every thread and taken by a thread of its own with sigwait, which posts
// the request. The program blocks them first thing (BlockSignals), before any thread starts and
// before the window exists, so that a signal sent during the start waits for the watcher instead
// of ending the process.
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
  // Blocks the watched signals in the calling thread and every thread it starts later.
  static void BlockSignals();
  SignalWatcher(const SignalWatcher&) = delete;
  SignalWatcher& operator=(const SignalWatcher&) = delete;

 private:
  std::function<void()> on_signal_;
  std::function<void()> on_dump_;
  std::thread thread_;
};

}  // namespace app
