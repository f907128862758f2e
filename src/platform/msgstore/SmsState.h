// The platform's SMS state in the registry, kept in step by the message store:
// HKEY_CURRENT_USER "System\State\Messages\SMS" "Account Name" (the SMS store's name, written
// when the store is created on a new device) and "System\State\Messages\SMS\Unread" "Count"
// (the number of unread SMS in that store's Inbox, moved by every change of it).
#pragma once

#include <string>

namespace platform::msgstore {

inline constexpr char16_t kSmsStoreName[] = u"SMS";

void WriteSmsAccountName(const std::u16string& name);
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
  friend void AdjustSmsUnreadCount(int delta);
};

}  // namespace platform::msgstore
