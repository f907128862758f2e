#include "screens/SearchPanelScrollAction.h"

#include "platform/ui/WindowApi.h"
#include "screens/LeftSearchPanel.h"

SearchPanelScrollAction::SearchPanelScrollAction(platform::ui::HWND host_window,
                                                 const LeftSearchPanel& strip)
    : host_window_(host_window), strip_(strip) {}

void SearchPanelScrollAction::Execute() {
  // Only the letter column shows the current-letter marker; the rest of the strip's
  // rectangle is the list, which repaints itself as it scrolls.
  const RECT column = strip_.MarkerColumn();
  platform::ui::InvalidateRect(host_window_, &column);
}
