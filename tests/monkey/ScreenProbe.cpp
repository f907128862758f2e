#include "ScreenProbe.h"

#include "contacts/ScreenNavigation.h"
#include "messaging/SMSPanel.h"
#include "platform/ui/WindowApi.h"
#include "platform/ui/WindowManager.h"
#include "screens/ContactContainerPanel.h"
#include "screens/ContactDetailPanel.h"
#include "screens/FilterMenuPanel.h"
#include "screens/IconPanel.h"
#include "screens/PhoneCallEditPanel.h"
#include "screens/PhonePad.h"
#include "screens/SymbolPadContainer.h"
#include "shell/AppGlobals.h"
#include "shell/TypeName.h"
#include "toolkit/BorderPanel.h"
#include "toolkit/Button.h"
#include "toolkit/SoftInputPanel.h"

namespace monkey {

namespace ui = platform::ui;

std::vector<std::string> ScreensShowing() {
  std::vector<std::string> names;
  const shell::AppGlobals& app = shell::App();
  if (const ContactContainerPanel* list = app.list_screen) {
    if (list->visible) names.push_back("list");
    if (list->FilterMenu().visible) names.push_back("filter_menu");
    if (list->PhonePadControl().visible) names.push_back("phone_pad");
    if (FindPhoneCallEditPanel(*list)) names.push_back("call_edit");
    if (const SymbolPadContainer* pad = SymbolPadContainer::Find(*list); pad && pad->visible) {
      names.push_back("symbol_pad");
    }
    for (size_t i = 0; i < list->ChildCount(); ++i) {
      const auto* menu = dynamic_cast<const BorderPanel*>(list->Child(i));
      if (menu && menu->visible) names.push_back("popup_menu");
    }
  }
  if (app.detail_screen && app.detail_screen->visible) names.push_back("detail");
  if (app.sms_screen && app.sms_screen->visible) names.push_back("sms");
  if (const ui::WindowManager* manager = ui::WindowManager::Current()) {
    if (manager->ModalWindow()) names.push_back("message_box");
  }
  if (ui::HWND sip = ui::FindWindow(kHostedSipClass, kHostedSipTitle);
      sip && ui::IsWindowVisible(sip)) {
    names.push_back("keyboard");
  }
  if (const std::type_info* last = SymbolPadContainer::LastSymbolRun()) {
    names.push_back("symbol:" + shell::ShortTypeName(*last));
  }
  return names;
}

void BackToList() {
  const ui::WindowManager* manager = ui::WindowManager::Current();
  if (!shell::App().list_screen || (manager && manager->ModalWindow())) return;
  ScreenNavigation::ShowMainPanel(true);
}

POINT MainWindowOrigin() {
  RECT rect{};
  if (!ui::GetWindowRect(shell::App().main_window, rect)) return POINT{};
  return POINT{rect.left, rect.top};
}

std::vector<RECT> IconBarButtons() {
  const ContactContainerPanel* list = shell::App().list_screen;
  if (!list || !list->visible || !list->IconBar().visible) return {};
  const IconPanel& bar = list->IconBar();
  const POINT origin = MainWindowOrigin();
  std::vector<RECT> rects;
  for (const Button* button :
       {&bar.FavoriteButton(), &bar.SmsButton(), &bar.FilterButton(), &bar.PhoneButton()}) {
    RECT r = button->rect;
    r.left += origin.x;
    r.right += origin.x;
    r.top += origin.y;
    r.bottom += origin.y;
    rects.push_back(r);
  }
  return rects;
}

}  // namespace monkey
