#include "mapi/MAPITrace.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace mapi {

namespace {

std::mutex g_mutex;
std::function<void(std::string_view)> g_sink;

bool EnvironmentAsksForTrace() {
  static const bool enabled = std::getenv("QUILLBOOK_TRACE") != nullptr;
  return enabled;
}

std::string Hex(uint32_t value, const char* digits, size_t min_width) {
  std::string out;
  do {
    out.insert(out.begin(), digits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  if (out.size() < min_width) out.insert(out.begin(), min_width - out.size(), '0');
  return out;
}

}  // namespace

bool TraceEnabled() {
  std::lock_guard lock(g_mutex);
  return g_sink || EnvironmentAsksForTrace();
}

void Trace(std::string_view text) {
  std::lock_guard lock(g_mutex);
  if (g_sink) {
    g_sink(text);
  } else if (EnvironmentAsksForTrace()) {
    std::fwrite(text.data(), 1, text.size(), stderr);
  }
}

void SetTraceSinkForTesting(std::function<void(std::string_view)> sink) {
  std::lock_guard lock(g_mutex);
  g_sink = std::move(sink);
}

std::string HexUpper(uint32_t value) {
  return Hex(value, "0123456789ABCDEF", 1);
}
std::string Hex8(uint32_t value) {
  return Hex(value, "0123456789abcdef", 8);
}

}  // namespace mapi
