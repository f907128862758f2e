#include "shell/SmsScreenHooks.h"

#include <charconv>
#include <mutex>
#include <string>

#include "contacts/ContactListItem.h"
#include "contacts/ContactSmartListControl.h"
#include "contacts/PhoneNumberMatch.h"
#include "messaging/SMSPanel.h"
#include "platform/Text.h"
#include "platform/ui/ScriptHooks.h"
#include "screens/ContactContainerPanel.h"
#include "shell/AppGlobals.h"
#include "shell/ScreenSwitch.h"

namespace shell {

namespace {

std::string Open(std::u16string_view index_text) {
  const std::string digits = platform::ToUtf8(index_text);
  size_t index = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
  if (error != std::errc() || end != digits.data() + digits.size()) return "expected a row number";
  AppGlobals& app = App();
  if (!app.list_screen || !app.sms_screen) return "the screens do not exist yet";
  ContactSmartListControl& list = app.list_screen->ContactList();
  ContactListItem* row = nullptr;
  PhoneEntry number;
  {
    std::lock_guard lock(list.ListLock());
    const size_t count = list.DisplayedCount();
    for (size_t step = 0; step < count && !row; ++step) {
      auto* candidate = dynamic_cast<ContactListItem*>(list.DisplayedItem((index + step) % count));
      if (!candidate) continue;
      number = GetSmsNumber(*candidate);
      if (!number.number.empty()) row = candidate;
    }
  }
  // No contact row to open: nothing happens, as with a tap on an empty list.
  if (row) ShowSmsPanel(app.main_window, row, number);
  return {};
}

std::string SmsHook(const std::u16string& arguments) {
  if (arguments == u"send") {
    SMSPanel* screen = App().sms_screen;
    if (screen && screen->visible && screen->Contact()) screen->Send();
    return {};
  }
  if (arguments == u"hold on" || arguments == u"hold off") {
    App().scripts_wait_for_sends = arguments == u"hold on";
    return {};
  }
  if (arguments.starts_with(u"open ")) return Open(std::u16string_view(arguments).substr(5));
  return "expected open N, send, hold on or hold off";
}

}  // namespace

void RegisterSmsScreenHooks() {
  platform::ui::ScriptHooks::Instance().Add("sms", SmsHook);
}

}  // namespace shell
