#include "app/SignalWatcher.h"

#include <signal.h>

namespace app {

namespace {

sigset_t WatchedSignals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGUSR2);  // dump request
  sigaddset(&set, SIGUSR1);  // the watcher's own stop signal
  return set;
}

}  // namespace

void SignalWatcher::BlockSignals() {
  const sigset_t set = WatchedSignals();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

SignalWatcher::SignalWatcher(std::function<void()> on_signal, std::function<void()> on_dump)
    : on_signal_(std::move(on_signal)), on_dump_(std::move(on_dump)) {
  BlockSignals();
  thread_ = std::thread([this] {
    const sigset_t watched = WatchedSignals();
    for (;;) {
      int signal_number = 0;
      if (sigwait(&watched, &signal_number) != 0 || signal_number == SIGUSR1) return;
      if (signal_number == SIGUSR2) {
        if (on_dump_) on_dump_();
        continue;
      }
      on_signal_();
    }
  });
}

SignalWatcher::~SignalWatcher() {
  pthread_kill(thread_.native_handle(), SIGUSR1);
  thread_.join();
}

}  // namespace app
