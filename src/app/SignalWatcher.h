// Turns SIGINT and SIGTERM into a close request on the UI thread. The signals are blocked in
// every thread (construct this before any other thread starts) and taken by a thread of its
// own with sigwait, which posts the request.
#pragma once

#include <pthread.h>

#include <functional>
#include <thread>

namespace app {

class SignalWatcher {
 public:
  // `on_signal` runs on the watcher thread; it must only post.
  explicit SignalWatcher(std::function<void()> on_signal);
  ~SignalWatcher();
  SignalWatcher(const SignalWatcher&) = delete;
  SignalWatcher& operator=(const SignalWatcher&) = delete;

 private:
  std::function<void()> on_signal_;
  std::thread thread_;
};

}  // namespace app
