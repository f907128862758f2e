#include "platform/msgstore/SmsState.h"

#include <algorithm>
#include <cstdint>

#include "platform/registry/Registry.h"

namespace platform::msgstore {

namespace {

constexpr char16_t kSmsKey[] = u"System\\State\\Messages\\SMS";
constexpr char16_t kUnreadKey[] = u"System\\State\\Messages\\SMS\\Unread";

}  // namespace

void WriteSmsAccountName(const std::u16string& name) {
  WriteRegistryString(HKEY_CURRENT_USER, kSmsKey, u"Account Name", name);
}

// Read, change and write back: two processes changing the count at the same instant may lose
// one step, which the next change of the Inbox does not repair; the count is a hint for the
// user, the Inbox's flags stay the truth.
void AdjustSmsUnreadCount(int delta) {
  int64_t count = ReadRegistryDword(HKEY_CURRENT_USER, kUnreadKey, u"Count").value_or(0);
  count = std::clamp<int64_t>(count + delta, 0, UINT32_MAX);
  WriteRegistryDword(HKEY_CURRENT_USER, kUnreadKey, u"Count", static_cast<uint32_t>(count));
}

}  // namespace platform::msgstore
