#include "app/StartupTrace.h"

#include <cstdio>

#include "platform/DebugChannel.h"
#include "platform/ProcessUsage.h"

namespace app {

namespace {

void Report(const char* what, size_t rows, bool with_rows) {
  const platform::ProcessUsage usage = platform::ProcessUsage::Now();
  std::fprintf(stderr, "quillbook: startup: %s after %u ms, cpu %.3f s, peak rss %lld KiB", what,
               usage.elapsed_ms, usage.cpu_seconds, static_cast<long long>(usage.peak_rss_kib));
  if (with_rows) std::fprintf(stderr, " (%zu contact rows)", rows);
  std::fputc('\n', stderr);
  std::fflush(stderr);
}

}  // namespace

StartupTrace::StartupTrace(platform::ui::InputSource* inner, Probe probe)
    : inner_(inner), probe_(std::move(probe)) {}

bool StartupTrace::Enabled() {
  return platform::DebugChannelOn("startup");
}

bool StartupTrace::Feed(platform::ui::WindowManager& manager) {
  // Idle: every posted message handled and the screen painted.
  if (!settled_) {
    const bool loaded = probe_.loaded();
    if (!painted_) {
      const size_t rows = probe_.contact_rows();
      if (rows > 0 || loaded) {
        painted_ = true;
        Report("list painted", rows, true);
      }
    }
    if (painted_ && loaded && !probe_.busy()) {
      settled_ = true;
      Report("settled", 0, false);
    }
  }
  return inner_ != nullptr && inner_->Feed(manager);
}

}  // namespace app
