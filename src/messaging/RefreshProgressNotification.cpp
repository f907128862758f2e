#include "messaging/RefreshProgressNotification.h"

#include "messaging/SMSPanel.h"
#include "messaging/VariableSmartListControl.h"
#include "platform/Messages.h"
#include "platform/ui/WindowApi.h"

int RefreshProgressNotification::Report(int position) {
  if (!panel_.LoadWanted(generation_)) return -1;
  if (position % 5 == 0 || position == total_) {
    panel_.List().SortByTime();
    // Measuring and scrolling belong to the UI thread: the repaint does them. One repaint
    // pending at a time: a fast walk would otherwise flood the queue.
    if (!panel_.RequestScrollToEnd()) {
      platform::ui::PostMessage(panel_.HostWindow(), kMsgRepaint, 0, 0);
    }
  }
  return position;
}
