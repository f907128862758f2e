// SearchPanelScrollAction: the contact list's scroll listener. Every change of the list's
// scroll offset runs it, and it asks for a repaint of the index strip so that the marker of
// the current letter follows the list.
#pragma once

#include "platform/ui/Window.h"
#include "toolkit/Action.h"

class LeftSearchPanel;

class SearchPanelScrollAction : public Action {
 public:
  // `strip` is not owned; the strip owns this action and outlives its registration.
  SearchPanelScrollAction(platform::ui::HWND host_window, const LeftSearchPanel& strip);

  // Invalidates the strip's rectangle on the host window (UI thread).
  void Execute() override;

 private:
  platform::ui::HWND host_window_;
  const LeftSearchPanel& strip_;
};
