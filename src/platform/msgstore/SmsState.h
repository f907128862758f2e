// The platform's SMS state in the registry, kept in step by the message store:
// HKEY_CURRENT_USER "System\State\Messages\SMS" "Account Name" (the SMS store's name, written
// when the store is created on a new device) and "System\State\Messages\SMS\Unread" "Count"
// (the number of unread SMS in that store's Inbox, moved by every change of it).
#pragma once

#include <string>

namespace platform::msgstore {

inline constexpr char16_t kSmsStoreName[] = u"SMS";

void WriteSmsAccountName(const std::u16string& name);
// Adds delta to the unread count; the count never goes below 0.
void AdjustSmsUnreadCount(int delta);

}  // namespace platform::msgstore
