#include "screens/FilterMenuPanel.h"

#include <algorithm>
#include <memory>
#include <mutex>

#include "contacts/ContactSmartListControl.h"
#include "contacts/ScreenNavigation.h"
#include "platform/ui/WindowApi.h"
#include "screens/AllFilterChoice.h"
#include "screens/CategoryFilterFolder.h"
#include "screens/CityFilterFolder.h"
#include "screens/CompanyFilterFolder.h"
#include "screens/FavoriteFilterChoice.h"
#include "screens/FilterSmartListControl.h"
#include "screens/LeftSearchPanel.h"
#include "screens/SmsFilterChoice.h"
#include "theme/SettingManager.h"

FilterMenuPanel::FilterMenuPanel(platform::ui::HWND host_window, const RECT& initial_rect,
                                 ContactSmartListControl* contact_list)
    : ContainerPanel(initial_rect), host_window_(host_window), contact_list_(contact_list) {
  auto entries = std::make_unique<FilterSmartListControl>(host_window, initial_rect);
  auto strip = std::make_unique<LeftSearchPanel>(host_window, initial_rect, *entries);
  index_strip_ = AddChild(std::move(strip));
  entry_list_ = AddChild(std::move(entries));
  visible = false;
  ShowRootEntries();
}

void FilterMenuPanel::Resize(const RECT& client) {
  const theme::SettingManager& settings = theme::Settings();
  RECT window{};
  // Without a main window (tests) the client rectangle stands for it.
  const int window_height = platform::ui::GetClientRect(host_window_, window)
                                ? RectHeight(window)
                                : RectHeight(client) + settings.icon_panel_height;
  rect = RECT{client.left, client.top, client.right,
              std::max(client.top, window_height - settings.icon_panel_height)};
  // The strip image is drawn again for the new size and theme.
  index_strip_->Resize(rect);
  entry_list_->rect =
      RECT{rect.left + LeftSearchPanel::kStripWidth, rect.top, rect.right, rect.bottom};
  entry_list_->SetBackgroundColor(settings.background_color);
  entry_list_->SetBackgroundImage(settings.background_image_list.get());
  entry_list_->SetNoBlitScrolling(true);
  entry_list_->ForceFullPaint();
}

void FilterMenuPanel::OnTransitionStart() {
  ContainerPanel::OnTransitionStart();
  index_strip_->ClearPressed();
}

void FilterMenuPanel::ShowRootEntries() {
  const theme::SettingManager& settings = theme::Settings();
  std::lock_guard lock(entry_list_->ListLock());
  entry_list_->DeleteAllItems();
  entry_list_->AddItem(
      std::make_unique<FavoriteFilterChoice>(settings.txt_Favorites, kRootMark, contact_list_));
  entry_list_->AddItem(
      std::make_unique<AllFilterChoice>(settings.txt_AllContacts, u"", contact_list_));
  entry_list_->AddItem(
      std::make_unique<SmsFilterChoice>(settings.txt_SmsContacts, u"", contact_list_));
  entry_list_->AddItem(
      std::make_unique<CompanyFilterFolder>(settings.txt_FilterByCompany, u"", contact_list_));
  entry_list_->AddItem(
      std::make_unique<CityFilterFolder>(settings.txt_FilterByCity, u"", contact_list_));
  entry_list_->AddItem(
      std::make_unique<CategoryFilterFolder>(settings.txt_FilterByCategory, u"", contact_list_));
}

bool FilterMenuPanel::AtRootLevel() const {
  std::lock_guard lock(entry_list_->ListLock());
  if (entry_list_->GetItemCount() == 0) return false;
  const auto* first = dynamic_cast<const FavoriteFilterChoice*>(entry_list_->GetItem(0));
  return first != nullptr && first->Value() == kRootMark;
}

RECT FilterMenuPanel::GenieTarget(int y) {
  const int quarter = platform::ui::GetSystemMetrics(SM_CXSCREEN) / 4;
  return RECT{2 * quarter, y, 3 * quarter, y};
}

void FilterMenuPanel::Toggle() {
  if (visible) {
    CloseFilterMenu();
    return;
  }
  ShowRootEntries();
  visible = true;
  if (contact_list_) contact_list_->visible = false;
  ScreenNavigation::GenieOpen(
      GenieTarget(contact_list_ ? contact_list_->rect.bottom : rect.bottom));
}

void FilterMenuPanel::CloseFilterMenu() {
  if (AtRootLevel()) {
    // The list comes back only now: shown earlier it would cover the root entries.
    if (contact_list_) contact_list_->visible = true;
    visible = false;
    ScreenNavigation::GenieClose(GenieTarget(rect.bottom));
    return;
  }
  ShowRootEntries();
  ScreenNavigation::Slide(1, rect, std::max(0, theme::Settings().menu_animation_duration));
}
