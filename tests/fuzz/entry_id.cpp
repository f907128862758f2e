// Entry ids arrive from outside (the shared SMS block, other processes): decoding any bytes
// must never crash, and a decoded id must encode back to exactly the same bytes.
#include <cstdint>
#include <vector>

#include "platform/msgstore/EntryId.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto id = platform::msgstore::EntryId::Decode({data, size});
  if (id && id->Encode() != std::vector<uint8_t>(data, data + size)) __builtin_trap();
  return 0;
}
