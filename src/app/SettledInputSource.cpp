#include "app/SettledInputSource.h"

#include <chrono>
#include <thread>

namespace app {

namespace {

constexpr uint32_t kPollMs = 2;

}  // namespace

SettledInputSource::SettledInputSource(platform::ui::InputSource& inner, std::function<bool()> busy,
                                       uint32_t limit_ms)
    : inner_(inner), busy_(std::move(busy)), limit_ms_(limit_ms) {}

bool SettledInputSource::Feed(platform::ui::WindowManager& manager) {
  if (held_ms_ < limit_ms_ && busy_ && busy_()) {
    // Real time: the background threads run on the real clock even when the UI's is virtual.
    // Returning true makes the loop look at the posts the work makes before asking again.
    std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    held_ms_ += kPollMs;
    return true;
  }
  held_ms_ = 0;
  return inner_.Feed(manager);
}

}  // namespace app
