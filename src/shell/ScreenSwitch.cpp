#include "shell/ScreenSwitch.h"

#include <memory>

#include "contacts/AllContactsFilterItem.h"
#include "contacts/ContactListItem.h"
#include "contacts/ContactRowNavigation.h"
#include "contacts/ContactSmartListControl.h"
#include "contacts/FavoriteFilterItem.h"
#include "contacts/ScreenNavigation.h"
#include "contacts/SmsFilterItem.h"
#include "messaging/SMSPanel.h"
#include "platform/ui/WindowApi.h"
#include "screens/ContactContainerPanel.h"
#include "screens/ContactDetailPanel.h"
#include "screens/LeftSearchPanel.h"
#include "screens/PhoneCallEditPanel.h"
#include "shell/AppGlobals.h"
#include "shell/Dispatch.h"
#include "shell/FullScreen.h"
#include "shell/Navigation.h"
#include "shell/Painting.h"
#include "shell/Preferences.h"
#include "shell/Relayout.h"
#include "theme/Drawing.h"

namespace shell {

namespace {

namespace ui = platform::ui;

// Makes `screen` the one visible screen; false while the screens do not exist yet.
bool ShowOnly(LightControl* screen) {
  AppGlobals& app = App();
  if (!app.list_screen || !app.detail_screen || !app.sms_screen) return false;
  app.list_screen->visible = screen == app.list_screen;
  app.detail_screen->visible = screen == app.detail_screen;
  app.sms_screen->visible = screen == app.sms_screen;
  return true;
}

// Sets `make()`'s filter on the contact list, or the all-contacts filter when a filter of
// type `Filter` is set already.
template <typename Filter, typename Make>
void ToggleFilter(ui::HWND hwnd, Make make) {
  AppGlobals& app = App();
  if (!app.list_screen) return;
  app.list_screen->IndexStrip().ClearPressed();
  if (app.list_screen->visible) {
    ContactSmartListControl& list = app.list_screen->ContactList();
    if (dynamic_cast<Filter*>(list.Filter())) {
      list.SetFilter(new AllContactsFilterItem());
    } else {
      list.SetFilter(make());
    }
  }
  ShowMainPanel(hwnd, true);
}

}  // namespace

void ShowDetailPanel(ui::HWND hwnd, IListItem* item) {
  auto* contact = dynamic_cast<ContactListItem*>(item);
  if (!contact || !App().detail_screen) return;
  App().detail_screen->SetContact(contact);
  if (!ShowOnly(App().detail_screen)) return;
  RECT client{};
  ui::GetClientRect(hwnd, client);
  SlideTransition(hwnd, 0, &client);
}

void ShowSmsPanel(ui::HWND hwnd, IListItem* item, PhoneEntry number) {
  auto* contact = dynamic_cast<ContactListItem*>(item);
  if (!contact || !App().sms_screen) return;
  App().sms_screen->SetContact(contact, number);
  if (!ShowOnly(App().sms_screen)) return;
  FlipTransition(hwnd, 0);
}

void ToggleSmsFilter(ui::HWND hwnd) {
  ToggleFilter<SmsFilterItem>(hwnd, [] { return new SmsFilterItem(); });
}

void ToggleFavoriteFilter(ui::HWND hwnd) {
  ToggleFilter<FavoriteFilterItem>(hwnd, [] { return new FavoriteFilterItem(); });
}

void SwipeAcrossScreen(ui::HWND hwnd) {
  AppGlobals& app = App();
  if (!app.list_screen) return;
  ContactSmartListControl& list = app.list_screen->ContactList();
  if (!dynamic_cast<AllContactsFilterItem*>(list.Filter())) {
    list.SetFilter(new AllContactsFilterItem());
    ShowMainPanel(hwnd, true);
  } else {
    ToggleFavoriteFilter(hwnd);
  }
}

void MinimiseFromCorner(ui::HWND hwnd) {
  ui::ShowWindow(hwnd, ui::SW_MINIMIZE);
  ShowMainPanel(hwnd, false);
}

void RegisterRowNavigation(ui::HWND hwnd) {
  ContactRowNavigation::SetShowDetailHandler(
      [hwnd](ContactListItem& row) { ShowDetailPanel(hwnd, &row); });
  ContactRowNavigation::SetShowSmsHandler(
      [hwnd](ContactListItem& row, const PhoneEntry& number) { ShowSmsPanel(hwnd, &row, number); });
  ContactRowNavigation::SetEditCallHandler(
      [](const PhoneEntry& number) { ScreenNavigation::OpenCallEdit(number.number); });
  ScreenNavigation::Handlers screens;
  screens.show_main_panel = [hwnd](bool animate) { ShowMainPanel(hwnd, animate); };
  screens.flip_transition = [hwnd](int direction) { FlipTransition(hwnd, direction); };
  screens.genie_open = [hwnd](const RECT& target) { GenieOpenTransition(hwnd, target); };
  screens.genie_close = [hwnd](const RECT& target) { GenieCloseTransition(hwnd, target); };
  screens.slide = [hwnd](int direction, const RECT& area, int32_t duration_ms) {
    SlideTransition(hwnd, direction, &area, duration_ms);
  };
  screens.toggle_favorite_filter = [hwnd] { ToggleFavoriteFilter(hwnd); };
  screens.toggle_sms_filter = [hwnd] { ToggleSmsFilter(hwnd); };
  screens.unread_count = [] { return App().unread_count; };
  screens.open_call_edit = [hwnd](const std::u16string& number) {
    if (App().list_screen) ShowPhoneCallEditPanel(hwnd, *App().list_screen, number);
  };
  screens.dispatch_key = [hwnd](uint32_t virtual_key, char16_t character) {
    DispatchKey(hwnd, virtual_key, character);
  };
  screens.dim_window = [hwnd] {
    // The back buffer is what every paint shows: darkened there, the darkening stays on the
    // parts of the window that are not painted again. What is waiting to be painted (a
    // relayout repaints everything) is painted first, so that it is darkened too.
    ui::UpdateWindow(hwnd);
    RECT client{};
    ui::GetClientRect(hwnd, client);
    theme::DimRect(EnsureBackBuffer(hwnd), client);
  };
  screens.change_theme = [](const std::u16string& name) { ChangeTheme(name); };
  screens.toggle_full_screen = [] {
    WriteFullscreen(!ReadFullscreen());
    RequestFullScreen();
  };
  ScreenNavigation::SetHandlers(std::move(screens));
}

}  // namespace shell
