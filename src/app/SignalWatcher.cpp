#include "app/SignalWatcher.h"

#include <signal.h>

namespace app {

namespace {

sigset_t WatchedSignals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGUSR1);  // the watcher's own stop signal
  return set;
}

}  // namespace

SignalWatcher::SignalWatcher(std::function<void()> on_signal) : on_signal_(std::move(on_signal)) {
  const sigset_t set = WatchedSignals();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
  thread_ = std::thread([this] {
    const sigset_t watched = WatchedSignals();
    for (;;) {
      int signal_number = 0;
      if (sigwait(&watched, &signal_number) != 0 || signal_number == SIGUSR1) return;
      on_signal_();
    }
  });
}

SignalWatcher::~SignalWatcher() {
  pthread_kill(thread_.native_handle(), SIGUSR1);
  thread_.join();
}

}  // namespace app
