// SMS rule clients: libraries the phone's SMS transport hands every received SMS to, once it
// is filed in the Inbox. A rule client is registered by a DWORD value named by its class id
// under HKEY_LOCAL_MACHINE "\Software\Microsoft\Inbox\Svc\SMS\Rules"; the library that
// serves the class id is the default value of the key
// "\Software\Classes\CLSID\<class id>\InProcServer32" (a library name as DynamicLibrary
// loads it). The library exports SmsRuleProcessMessage, called with the SMS's entry id and
// sender.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

extern "C" {

// entry_id: entry_size bytes (at most 536); sender: the sender's number, zero-terminated.
// The return value is the client's own and is not interpreted.
using SmsRuleProcessMessageFunction = int (*)(const uint8_t* entry_id, uint32_t entry_size,
                                              const char16_t* sender);
inline constexpr char kSmsRuleProcessMessageSymbol[] = "SmsRuleProcessMessage";

}  // extern "C"

namespace platform::msgstore {

inline constexpr char16_t kSmsRulesKey[] = u"\\Software\\Microsoft\\Inbox\\Svc\\SMS\\Rules";
inline constexpr char16_t kClassesKey[] = u"\\Software\\Classes\\CLSID\\";
inline constexpr char16_t kInProcServerKey[] = u"\\InProcServer32";

// Hands one filed SMS to every registered rule client, in class-id order. A client whose
// library is missing or lacks the entry point is skipped. Returns how many clients ran.
int RunSmsRuleClients(const std::vector<uint8_t>& entry_id, std::u16string_view sender);

}  // namespace platform::msgstore
