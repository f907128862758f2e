#include "platform/msgstore/SmsRuleClients.h"

#include <string>

#include "platform/DynamicLibrary.h"
#include "platform/msgstore/EntryId.h"
#include "platform/registry/Registry.h"

namespace platform::msgstore {

namespace {

constexpr size_t kMaxLibraryPath = 1024;
constexpr size_t kMaxSender = 99;  // the bridge's sender field holds 99 units and a zero
constexpr size_t kMaxClients = 16;

}  // namespace

int RunSmsRuleClients(const std::vector<uint8_t>& entry_id, std::u16string_view sender) {
  if (entry_id.empty() || entry_id.size() > kMaxEntryIdBytes || sender.size() > kMaxSender) {
    return 0;
  }
  std::vector<RegistryValue> clients;
  if (Registry::ForDevice().EnumValues(HKEY_LOCAL_MACHINE, kSmsRulesKey, clients) !=
      ERROR_SUCCESS) {
    return 0;
  }
  const std::u16string sender_text(sender);
  int ran = 0;
  size_t tried = 0;
  for (const RegistryValue& client : clients) {
    if (client.type != REG_DWORD || ++tried > kMaxClients) continue;
    const std::u16string key = kClassesKey + client.name + kInProcServerKey;
    auto path = ReadRegistryString(HKEY_LOCAL_MACHINE, key, u"", kMaxLibraryPath);
    if (!path || path->empty()) continue;
    auto library = DynamicLibrary::Load(*path);
    void* entry = library ? library->Symbol(kSmsRuleProcessMessageSymbol) : nullptr;
    if (!entry) continue;
    reinterpret_cast<SmsRuleProcessMessageFunction>(entry)(
        entry_id.data(), static_cast<uint32_t>(entry_id.size()), sender_text.c_str());
    ++ran;
  }
  return ran;
}

}  // namespace platform::msgstore
