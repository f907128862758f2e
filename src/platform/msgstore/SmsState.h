// The platform's SMS state in the registry, kept in step by the message store:
// HKEY_CURRENT_USER "System\State\Messages\SMS" "Account Name" (the SMS store's name, written
// when the store is created on a new device), "System\State\Messages\SMS\Unread" "Count"
// (the number of unread SMS in that store's Inbox, moved by every change of it) and
// "System\State\Messages\SMS\Inbox" "Version" (a DWORD that moves on, wrapping, with every
// change of that Inbox: a message filed, deleted, or its properties changed), which lets a
// program notice the changes that leave the unread count as it was.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform::msgstore {

inline constexpr char16_t kSmsStoreName[] = u"SMS";

inline constexpr char16_t kSmsInboxKey[] = u"System\\State\\Messages\\SMS\\Inbox";
inline constexpr char16_t kSmsInboxVersionValue[] = u"Version";

void WriteSmsAccountName(const std::u16string& name);
// The Inbox version; nothing when the value does not exist yet (no change so far).
std::optional<uint32_t> ReadSmsInboxVersion();
// Moves the Inbox version on by one; held back like the unread count.
void BumpSmsInboxVersion();
// Adds delta to the unread count; the count never goes below 0. While a hold exists on the
// calling thread, the change is collected instead and applied when the hold ends.
void AdjustSmsUnreadCount(int delta);

// Holds back this thread's unread-count changes until it ends. The SMS transport files an
// SMS, hands it to the rule clients and only then raises the count, as the phone does, so
// that a program told of the SMS by its rule client hears of it before the count moves.
class UnreadCountHold {
 public:
  UnreadCountHold();
  ~UnreadCountHold();
  UnreadCountHold(const UnreadCountHold&) = delete;
  UnreadCountHold& operator=(const UnreadCountHold&) = delete;

 private:
  UnreadCountHold* outer_;
  int delta_ = 0;
  bool inbox_changed_ = false;
  friend void AdjustSmsUnreadCount(int delta);
  friend void BumpSmsInboxVersion();
};

}  // namespace platform::msgstore
