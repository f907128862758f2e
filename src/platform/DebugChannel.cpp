#include "platform/DebugChannel.h"

#include <cstdlib>

namespace platform {

bool DebugChannelOn(std::string_view channel) {
  const char* value = std::getenv("QUILLBOOK_DEBUG");
  if (!value || channel.empty()) return false;
  std::string_view rest(value);
  while (!rest.empty()) {
    const size_t end = rest.find_first_of(", ");
    if (rest.substr(0, end) == channel) return true;
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return false;
}

}  // namespace platform
