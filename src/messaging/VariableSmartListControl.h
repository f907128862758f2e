// VariableSmartListControl: the conversation list of the SMS screen. Its rows (SMS bubbles)
// have different heights, which each row measures for itself against the list's width the
// first time it is painted or counted; the list is bottom aligned (newest SMS last, at the
// bottom) and moves drawn pixels when it scrolls. A long press on a bubble toggles its read
// state; applying the filter sorts the rows by time, oldest first.
//
// The conversation loading thread appends and sorts under ListLock(); measuring and painting
// take the same lock.
#pragma once

#include "toolkit/SmartListControl.h"

class SMSPanel;

class VariableSmartListControl : public SmartListControl {
 public:
  VariableSmartListControl(platform::ui::HWND host_window, const RECT& initial_rect);

  // Measures the displayed rows still at height -1, then paints as the base.
  bool Paint(platform::Surface& dc, int left, int top, int right, int bottom) override;
  // Measures the displayed rows still at height -1 (with a scratch surface), then sums.
  int32_t GetContentHeight() override;
  // For an SMS: toggles its read state, then forgets the heights' sum and repaints it all.
  void OnItemLongPress(IListItem* item, int x, int y) override;
  // Sorts both sequences by time, oldest first.
  void OnFilterApplied() override;

  // Sorts the rows by time (under the list's lock); the loading thread calls it.
  void SortByTime();

  // The screen whose menus a tapped bubble opens; not owned.
  void SetPanel(SMSPanel* panel) { panel_ = panel; }
  SMSPanel* Panel() const { return panel_; }

 private:
  // Measures every displayed row whose height is -1; true when one was measured.
  bool MeasureNewRows(platform::Surface& surface);

  SMSPanel* panel_ = nullptr;
};
