// Fuzzes the parser of what a second start sends to the running instance.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/ipc/InstanceEndpoint.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto request = platform::ipc::ParseInstanceRequest(
      std::string_view(reinterpret_cast<const char*>(data), size));
  if (request.post_message.size() > 255) std::abort();
  for (char c : request.post_message) {
    if (c < 0x21 || c > 0x7E) std::abort();
  }
  return 0;
}
