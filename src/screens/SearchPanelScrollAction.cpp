#include "screens/SearchPanelScrollAction.h"

#include "platform/ui/WindowApi.h"
#include "screens/LeftSearchPanel.h"

SearchPanelScrollAction::SearchPanelScrollAction(platform::ui::HWND host_window,
                                                 const LeftSearchPanel& strip)
    : host_window_(host_window), strip_(strip) {}

void SearchPanelScrollAction::Execute() {
  // The whole strip, which spans the list: a list moved by an animation that painted into
  // another picture than the window's back buffer is then painted again, and the current
  // letter's marker follows.
  platform::ui::InvalidateRect(host_window_, &strip_.rect);
}
