#include "messaging/RefreshProgressNotification.h"

#include <mutex>

#include "messaging/SMSPanel.h"
#include "messaging/VariableSmartListControl.h"
#include "platform/Messages.h"
#include "platform/ui/WindowApi.h"

int RefreshProgressNotification::Report(int position) {
  if (!panel_.LoadWanted(generation_)) return -1;
  // Rows that added nothing leave the list as it was painted: no sort, no repaint.
  size_t count = 0;
  {
    std::lock_guard lock(panel_.List().ListLock());
    count = panel_.List().GetItemCount();
  }
  if (count != sorted_count_ || position == total_) {
    sorted_count_ = count;
    panel_.List().SortByTime();
    // Measuring and scrolling belong to the UI thread: the repaint does them. One repaint
    // pending at a time: a fast walk would otherwise flood the queue.
    if (!panel_.RequestScrollToEnd()) {
      platform::ui::PostMessage(panel_.HostWindow(), kMsgRepaint, 0, 0);
    }
  }
  return position;
}
