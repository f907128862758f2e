#include "toolkit/ButtonSmartListControl.h"

#include "platform/ui/WindowApi.h"
#include "toolkit/Button.h"

ButtonSmartListControl::ButtonSmartListControl(platform::ui::HWND host_window,
                                               const RECT& initial_rect)
    : SmartListControl(host_window, initial_rect) {
  SetBottomAligned(true);
  SetItemsPerPage(1);
}

RECT ButtonSmartListControl::OnPenUp(int x, int y) {
  const RECT result = SmartListControl::OnPenUp(x, y);
  std::lock_guard<std::recursive_mutex> guard(ListLock());
  for (size_t i = 0; i < DisplayedCount(); ++i) {
    if (auto* button = dynamic_cast<Button*>(DisplayedItem(i))) button->SetPressed(false);
  }
  return result;
}

void ButtonSmartListControl::BeginItemPress(IListItem* item, int x, int y) {
  if (auto* button = dynamic_cast<Button*>(item)) {
    button->OnPenDown(x, y + rect.top);
    // A row never receives timer or pen-released calls; the list's own press timer decides
    // the long press, so the button's timer would only tick on unheard.
    platform::ui::KillTimer(HostWindow(), button->PressTimerId());
    platform::ui::InvalidateRect(HostWindow(), &rect);
  }
  SmartListControl::BeginItemPress(item, x, y);
}

void ButtonSmartListControl::OnItemLongPress(IListItem* item, int, int) {
  auto* button = dynamic_cast<Button*>(item);
  if (button && button->LongPressAction()) button->LongPressAction()->Execute();
}

void ButtonSmartListControl::OnItemClick(IListItem* item, int x, int y) {
  if (auto* button = dynamic_cast<Button*>(item)) button->OnPenUp(x, y + rect.top);
}
