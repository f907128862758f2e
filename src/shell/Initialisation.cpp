#include "shell/Initialisation.h"

#include "messaging/SMSPanel.h"
#include "platform/registry/Registry.h"
#include "platform/ui/WindowApi.h"
#include "screens/ContactContainerPanel.h"
#include "screens/ContactDetailPanel.h"
#include "shell/AppGlobals.h"
#include "shell/Relayout.h"
#include "shell/ShellMessages.h"
#include "shell/TransitionRunner.h"
#include "toolkit/GestureControl.h"

namespace shell {

namespace {

namespace ui = platform::ui;

constexpr char16_t kUnreadKey[] = u"System\\State\\Messages\\SMS\\Unread";
constexpr char16_t kUnreadValue[] = u"Count";
constexpr char16_t kPhoneKey[] = u"System\\State\\Phone";
constexpr char16_t kSignalValue[] = u"Signal Strength Raw";

template <typename T>
T* AddPanel(AppGlobals& app, std::unique_ptr<T> panel) {
  T* raw = panel.get();
  app.panels.push_back(raw);
  app.owned_panels.push_back(std::move(panel));
  return raw;
}

void CreatePanels(AppGlobals& app) {
  const RECT screen{0, 0, ui::GetSystemMetrics(SM_CXSCREEN), ui::GetSystemMetrics(SM_CYSCREEN)};
  auto list = std::make_unique<ContactContainerPanel>(screen);
  auto detail = std::make_unique<ContactDetailPanel>(screen);
  detail->visible = false;
  auto sms = std::make_unique<SMSPanel>(screen);
  sms->visible = false;
  auto gesture = std::make_unique<GestureControl>(screen);
  app.gesture_control = AddPanel(app, std::move(gesture));
  app.detail_screen = AddPanel(app, std::move(detail));
  app.list_screen = AddPanel(app, std::move(list));
  app.sms_screen = AddPanel(app, std::move(sms));
}

// Registry notifications post to the main window from the registry's watcher thread.
void WatchRegistry(AppGlobals& app) {
  ui::HWND main = app.main_window;
  platform::Registry& registry = platform::Registry::ForDevice();
  if (auto watch = registry.Watch(platform::HKEY_CURRENT_USER, kUnreadKey, kUnreadValue,
                                  [main] { ui::PostMessage(main, kMsgRefreshSmsCounter, 0, 0); })) {
    app.watches.push_back(std::move(watch));
  }
  if (auto watch = registry.Watch(platform::HKEY_LOCAL_MACHINE, kPhoneKey, kSignalValue,
                                  [main] { ui::PostMessage(main, kMsgRepaint, 0, 0); })) {
    app.watches.push_back(std::move(watch));
  }
}

// One pass of the counter thread. The per-contact recount arrives with the contact list;
// the pass reports by asking for a repaint of the whole window.
void CounterPass(ui::HWND main) {
  ui::PostMessage(main, kMsgRepaint, 0, 0);
}

}  // namespace

unsigned ReadUnreadCount() {
  return platform::ReadRegistryDword(platform::HKEY_CURRENT_USER, kUnreadKey, kUnreadValue)
      .value_or(0);
}

void RunFirstActivation() {
  AppGlobals& app = App();
  if (app.initialised) return;
  app.initialised = true;
  LoadStartupLanguageTexts();
  CreatePanels(app);
  app.unread_count = ReadUnreadCount();
  ui::HWND main = app.main_window;
  app.counter = std::make_unique<SmsCounter>([main] { CounterPass(main); });
  app.back_buffer.reset();
  SendTransitionStart();
  SendTransitionEnd();
  WatchRegistry(app);
  ui::PostMessage(main, kMsgDoFullScreen, 0, 0);
}

void RefreshSmsCounter() {
  AppGlobals& app = App();
  const unsigned count = ReadUnreadCount();
  if (count == app.unread_count) return;
  app.unread_count = count;
  if (app.counter) app.counter->RequestRecount();
}

}  // namespace shell
