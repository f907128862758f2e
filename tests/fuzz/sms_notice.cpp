// The shared SMS block is written by another process: any bytes must read cleanly, and an
// accepted notice must stay inside the block's fields.
#include <cstdint>
#include <cstdlib>

#include "messaging/SmsBridge.h"
#include "messaging/SmsBufferLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto notice = ReadSmsNotice(data, size);
  if (!notice) return 0;
  if (size < kSmsBufferUsedBytes || notice->entry.entry_id.empty() ||
      notice->entry.entry_id.size() > kSmsBufferEntryBytes ||
      notice->sender.size() > kSmsBufferSenderUnits) {
    std::abort();
  }
  return 0;
}
