#include "platform/msgstore/SmsState.h"

#include "platform/registry/Registry.h"

namespace platform::msgstore {

namespace {

constexpr char16_t kSmsKey[] = u"System\\State\\Messages\\SMS";
constexpr char16_t kUnreadKey[] = u"System\\State\\Messages\\SMS\\Unread";

thread_local UnreadCountHold* g_hold = nullptr;

}  // namespace

UnreadCountHold::UnreadCountHold() : outer_(g_hold) {
  g_hold = this;
}

UnreadCountHold::~UnreadCountHold() {
  g_hold = outer_;
  if (delta_ != 0) AdjustSmsUnreadCount(delta_);
}

void WriteSmsAccountName(const std::u16string& name) {
  WriteRegistryString(HKEY_CURRENT_USER, kSmsKey, u"Account Name", name);
}

// One writing transaction adds the change, so concurrent arrivals and reads from several
// processes are all counted; the count never goes below 0.
void AdjustSmsUnreadCount(int delta) {
  if (g_hold) {
    g_hold->delta_ += delta;
    return;
  }
  Registry::ForDevice().AddToDword(HKEY_CURRENT_USER, kUnreadKey, u"Count", delta, nullptr);
}

}  // namespace platform::msgstore
