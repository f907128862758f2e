// RefreshProgressNotification: the SMS screen's view of a conversation load. It stops the load
// once the screen no longer wants it (hidden, or showing another contact), and after a row
// that added items, and at the end, re-sorts the list and asks the screen to scroll it to the
// end and repaint (posting a repaint only when none is pending).
// Runs on the loading thread.
#pragma once

#include <cstddef>
#include <cstdint>

#include "messaging/LoadConversation.h"

class SMSPanel;

class RefreshProgressNotification : public ConversationProgress {
 public:
  RefreshProgressNotification(SMSPanel& panel, uint64_t generation)
      : panel_(panel), generation_(generation) {}

  void Start(int total) override { total_ = total; }
  int Report(int position) override;

 private:
  SMSPanel& panel_;
  const uint64_t generation_;
  int total_ = 0;
  size_t sorted_count_ = 0;  // items in the list at the last sort
};
