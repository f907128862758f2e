// The in-memory display of headless runs: nothing is shown and no desktop events exist; the
// loop sleeps on a condition variable that posts from other threads wake.
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "platform/ui/Display.h"

namespace platform::ui {

namespace {

class HeadlessDisplay final : public Display {
 public:
  void Present(const Surface&) override {}
  void PollEvents(InputSink&) override {}
  void Resize(int, int) override {}

  void Wait(std::optional<uint32_t> timeout_ms) override {
    std::unique_lock lock(mutex_);
    auto woken = [this] { return woken_; };
    if (timeout_ms) {
      wake_.wait_for(lock, std::chrono::milliseconds(*timeout_ms), woken);
    } else {
      wake_.wait(lock, woken);
    }
    woken_ = false;
  }

  void Wake() override {
    {
      std::lock_guard lock(mutex_);
      woken_ = true;
    }
    wake_.notify_one();
  }

 private:
  std::mutex mutex_;
  std::condition_variable wake_;
  bool woken_ = false;  // guarded by mutex_
};

}  // namespace

std::unique_ptr<Display> CreateHeadlessDisplay() {
  return std::make_unique<HeadlessDisplay>();
}

}  // namespace platform::ui
