#include "screens/ContactContainerPanel.h"

#include <memory>

#include "contacts/AllContactsFilterItem.h"
#include "contacts/ContactSmartListControl.h"
#include "platform/ui/WindowApi.h"
#include "screens/FilterMenuAction.h"
#include "screens/FilterMenuPanel.h"
#include "screens/IconPanel.h"
#include "screens/LeftSearchPanel.h"
#include "screens/PhonePad.h"
#include "theme/SettingManager.h"

namespace {

// The screen less the icon bar's room at the bottom.
RECT AboveIconBar(const RECT& area) {
  return RECT{area.left, area.top, area.right, area.bottom - theme::Settings().icon_panel_height};
}

}  // namespace

ContactContainerPanel::ContactContainerPanel(platform::ui::HWND host_window, const RECT& screen)
    : ContainerPanel(screen), host_window_(host_window) {
  const RECT list_area = AboveIconBar(screen);
  // The list leaves the strip's 16-pixel column free.
  auto list = std::make_unique<ContactSmartListControl>(
      host_window, RECT{list_area.left + LeftSearchPanel::kStripWidth, list_area.top,
                        list_area.right, list_area.bottom});
  auto strip = std::make_unique<LeftSearchPanel>(host_window, list_area, *list);
  list->SetFilter(new AllContactsFilterItem());
  auto menu = std::make_unique<FilterMenuPanel>(host_window, screen, list.get());
  filter_menu_action_ = std::make_unique<FilterMenuAction>(*menu);
  const int32_t bar_top = screen.bottom - theme::Settings().icon_panel_height;
  auto pad = std::make_unique<PhonePad>(host_window,
                                        RECT{screen.left, bar_top - 160, screen.right, bar_top});
  pad->visible = false;
  phone_pad_ = AddChild(std::move(pad));
  icon_bar_ = AddChild(std::make_unique<IconPanel>(host_window, screen, *this));
  index_strip_ = AddChild(std::move(strip));
  contact_list_ = AddChild(std::move(list));
  filter_menu_ = AddChild(std::move(menu));
}

ContactContainerPanel::~ContactContainerPanel() {
  filter_menu_action_.reset();
}

void ContactContainerPanel::Resize(const RECT& client) {
  ContainerPanel::Resize(AboveIconBar(client));
  RECT window{};
  // Without a main window (tests) the client rectangle stands for it.
  const int window_height =
      platform::ui::GetWindowRect(host_window_, window) ? RectHeight(window) : RectHeight(client);
  rect = RECT{client.left, client.top, client.right,
              window_height - theme::Settings().icon_panel_height};
  if (phone_pad_->visible) contact_list_->rect.bottom = phone_pad_->rect.top;
}

void ContactContainerPanel::OnTransitionStart() {
  ContainerPanel::OnTransitionStart();
  index_strip_->ClearPressed();
}

void ContactContainerPanel::OnTransitionEnd() {
  ContainerPanel::OnTransitionEnd();
  if (visible) contact_list_->ReleaseRetiredRows();
}
