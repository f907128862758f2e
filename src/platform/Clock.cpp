#include "platform/Clock.h"

#include <atomic>
#include <chrono>

namespace platform {

namespace {

std::atomic<bool> g_virtual{false};
std::atomic<uint32_t> g_virtual_ticks{0};
// 2026-01-01T09:00:00Z: a fixed, readable wall time for virtual runs.
std::atomic<int64_t> g_virtual_unix{1767258000};

}  // namespace

uint32_t Clock::TickCount() {
  if (g_virtual.load(std::memory_order_acquire)) {
    return g_virtual_ticks.load(std::memory_order_acquire);
  }
  using namespace std::chrono;
  auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  return static_cast<uint32_t>(ms);
}

void Clock::UseVirtual(uint32_t start) {
  g_virtual_ticks.store(start, std::memory_order_release);
  g_virtual.store(true, std::memory_order_release);
}

void Clock::UseReal() {
  g_virtual.store(false, std::memory_order_release);
}

bool Clock::IsVirtual() {
  return g_virtual.load(std::memory_order_acquire);
}

void Clock::Advance(uint32_t ms) {
  g_virtual_ticks.fetch_add(ms, std::memory_order_acq_rel);
}

int64_t Clock::UnixSeconds() {
  if (g_virtual.load(std::memory_order_acquire)) {
    return g_virtual_unix.load() + g_virtual_ticks.load() / 1000;
  }
  using namespace std::chrono;
  return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

void Clock::SetVirtualUnixSeconds(int64_t seconds) {
  g_virtual_unix.store(seconds);
}

double Clock::TraceMs() {
  using namespace std::chrono;
  return duration<double, std::milli>(system_clock::now().time_since_epoch()).count();
}

}  // namespace platform
