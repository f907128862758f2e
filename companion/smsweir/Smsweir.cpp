// The SMS interception library: the phone's SMS transport hands it every received SMS (it is
// registered as an SMS rule client), and it tells the running program about each one by
// filling the shared block "SmsBuffer" and posting "QuillbookNewSMS" to the program's main
// window. It lets every SMS through to the store, so the program can open it by its entry id.
//
// It links nothing of the system: its host (the program or the phone's transport) hands it
// the registry, shared memory and window services when it is loaded.
#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "messaging/SmsBufferLayout.h"
#include "platform/HostServices.h"
#include "platform/msgstore/SmsRuleClients.h"
#include "shell/ShellMessages.h"

#define SMSWEIR_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

constexpr uint32_t kLocalMachine = 0x80000002u;
constexpr int32_t kSucceeded = 0;
constexpr int32_t kFailed = static_cast<int32_t>(0x80004005u);
constexpr size_t kKeyUnits = 160;

const QbHostServices* g_host = nullptr;

bool HostUsable() {
  return g_host && g_host->version >= kQbHostServicesVersion;
}

// Joins zero-terminated UTF-16 parts into `out` (kKeyUnits units with the terminator).
bool Join(char16_t (&out)[kKeyUnits], std::initializer_list<const char16_t*> parts) {
  size_t length = 0;
  for (const char16_t* part : parts) {
    for (; *part; ++part) {
      if (length + 1 >= kKeyUnits) return false;
      out[length++] = *part;
    }
  }
  out[length] = 0;
  return true;
}

void PutLittleEndian32(uint8_t* out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

SMSWEIR_EXPORT void QbAttachHost(const QbHostServices* host) {
  g_host = host;
}

// Registers the rule client: the library that serves its class id, then the rule itself.
SMSWEIR_EXPORT int32_t DllRegisterServer() {
  using platform::msgstore::kClassesKey;
  using platform::msgstore::kInProcServerKey;
  using platform::msgstore::kSmsRulesKey;
  char16_t server_key[kKeyUnits];
  if (!HostUsable() || !Join(server_key, {kClassesKey, kSmsRuleClassId, kInProcServerKey})) {
    return kFailed;
  }
  const bool ok = g_host->reg_set_string(kLocalMachine, server_key, u"", kSmsRuleLibrary) &&
                  g_host->reg_set_dword(kLocalMachine, kSmsRulesKey, kSmsRuleClassId, 1);
  return ok ? kSucceeded : kFailed;
}

// Fills the block for one SMS and tells the program. Without a running program (or without
// its block) the SMS simply stays in the store for the program's next recount.
SMSWEIR_EXPORT int SmsRuleProcessMessage(const uint8_t* entry_id, uint32_t entry_size,
                                         const char16_t* sender) {
  if (!HostUsable() || !entry_id || entry_size == 0 || entry_size > kSmsBufferEntryBytes) {
    return 0;
  }
  uint8_t block[kSmsBufferUsedBytes] = {};
  PutLittleEndian32(block, entry_size);
  std::memcpy(block + kSmsBufferEntryOffset, entry_id, entry_size);
  uint8_t* out = block + kSmsBufferSenderOffset;
  for (size_t i = 0; sender && i < kSmsBufferSenderUnits && sender[i]; ++i) {
    out[2 * i] = static_cast<uint8_t>(sender[i]);
    out[2 * i + 1] = static_cast<uint8_t>(sender[i] >> 8);
  }
  if (!g_host->shared_memory_write(kSmsBufferName, 0, block, sizeof block)) return 0;
  return g_host->post_registered_message(shell::kMainWindowClass, shell::kMainWindowTitle,
                                         kNewSmsMessageName);
}
