#include "messaging/VariableSmartListControl.h"

#include <algorithm>
#include <mutex>

#include "messaging/SMSMessage.h"
#include "platform/ui/WindowApi.h"

VariableSmartListControl::VariableSmartListControl(platform::ui::HWND host_window,
                                                   const RECT& initial_rect)
    : SmartListControl(host_window, initial_rect) {
  SetBottomAligned(true);
  SetForceBlitScrolling(true);
}

bool VariableSmartListControl::MeasureNewRows(platform::Surface& surface) {
  bool measured = false;
  for (size_t i = 0; i < DisplayedCount(); ++i) {
    IListItem* row = DisplayedItem(i);
    if (row->height != -1) continue;
    row->Measure(surface, rect);
    measured = true;
  }
  if (measured) InvalidateContentHeight();
  return measured;
}

bool VariableSmartListControl::Paint(platform::Surface& dc, int left, int top, int right,
                                     int bottom) {
  std::lock_guard lock(ListLock());
  if (MeasureNewRows(dc)) {
    // Rows that changed height move the others: nothing drawn before can be moved.
    ForceFullPaint();
  }
  return SmartListControl::Paint(dc, left, top, right, bottom);
}

int32_t VariableSmartListControl::GetContentHeight() {
  std::lock_guard lock(ListLock());
  bool unmeasured = false;
  for (size_t i = 0; i < DisplayedCount() && !unmeasured; ++i) {
    unmeasured = DisplayedItem(i)->height == -1;
  }
  if (unmeasured) {
    platform::Surface scratch(1, 1);
    MeasureNewRows(scratch);
  }
  return SmartListControl::GetContentHeight();
}

void VariableSmartListControl::OnItemLongPress(IListItem* item, int /*x*/, int /*y*/) {
  auto* sms = dynamic_cast<SMSMessage*>(item);
  if (!sms) return;
  // Outside the list's lock: SetRead re-sorts the contact list under its own lock.
  SetRead(*sms, !sms->read);
  {
    std::lock_guard lock(ListLock());
    // The font changes with the read state, and with it the bubble's height.
    sms->height = -1;
    InvalidateContentHeight();
    ForceFullPaint();
  }
  platform::ui::InvalidateRect(HostWindow(), nullptr);
}

void VariableSmartListControl::OnFilterApplied() {
  SortByTime();
}

void VariableSmartListControl::SortByTime() {
  std::lock_guard lock(ListLock());
  auto older = [](const IListItem* a, const IListItem* b) {
    const auto* first = dynamic_cast<const SMSMessage*>(a);
    const auto* second = dynamic_cast<const SMSMessage*>(b);
    const uint64_t ta = first ? static_cast<uint64_t>(first->time) : 0;
    const uint64_t tb = second ? static_cast<uint64_t>(second->time) : 0;
    return ta < tb;
  };
  std::stable_sort(MasterItems().begin(), MasterItems().end(), older);
  std::stable_sort(DisplayedItems().begin(), DisplayedItems().end(), older);
  InvalidateContentHeight();
  ForceFullPaint();
}
