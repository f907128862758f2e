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
  // The version first: a program woken by the count then finds the version moved as well.
  if (inbox_changed_) BumpSmsInboxVersion();
  if (delta_ != 0) AdjustSmsUnreadCount(delta_);
}

std::optional<uint32_t> ReadSmsInboxVersion() {
  return ReadRegistryDword(HKEY_CURRENT_USER, kSmsInboxKey, kSmsInboxVersionValue);
}

void BumpSmsInboxVersion() {
  if (g_hold) {
    g_hold->inbox_changed_ = true;
    return;
  }
  // One writing transaction, so changes from several processes are all seen. The counter
  // stops at the top of its range, so there it starts again from 0.
  Registry& registry = Registry::ForDevice();
  uint32_t version = 0;
  registry.AddToDword(HKEY_CURRENT_USER, kSmsInboxKey, kSmsInboxVersionValue, 1, &version);
  if (version == 0xFFFFFFFFu) {
    registry.AddToDword(HKEY_CURRENT_USER, kSmsInboxKey, kSmsInboxVersionValue, -int64_t{version},
                        nullptr);
  }
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
