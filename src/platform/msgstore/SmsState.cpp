#include "platform/msgstore/SmsState.h"

#include "platform/registry/Registry.h"

namespace platform::msgstore {

namespace {

constexpr char16_t kSmsKey[] = u"System\\State\\Messages\\SMS";
constexpr char16_t kUnreadKey[] = u"System\\State\\Messages\\SMS\\Unread";

}  // namespace

void WriteSmsAccountName(const std::u16string& name) {
  WriteRegistryString(HKEY_CURRENT_USER, kSmsKey, u"Account Name", name);
}

// One writing transaction adds the change, so concurrent arrivals and reads from several
// processes are all counted; the count never goes below 0.
void AdjustSmsUnreadCount(int delta) {
  Registry::ForDevice().AddToDword(HKEY_CURRENT_USER, kUnreadKey, u"Count", delta, nullptr);
}

}  // namespace platform::msgstore
