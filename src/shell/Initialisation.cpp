#include "shell/Initialisation.h"

#include "contacts/ContactSmartListControl.h"
#include "contacts/ContactStoreSession.h"
#include "messaging/SMSPanel.h"
#include "messaging/SmsBridge.h"
#include "messaging/SmsCounts.h"
#include "platform/PhoneState.h"
#include "platform/msgstore/SmsState.h"
#include "platform/registry/Registry.h"
#include "platform/ui/WindowApi.h"
#include "screens/ContactContainerPanel.h"
#include "screens/ContactDetailPanel.h"
#include "screens/FilterMenuPanel.h"
#include "screens/LeftSearchPanel.h"
#include "shell/AppGlobals.h"
#include "shell/Dispatch.h"
#include "shell/Relayout.h"
#include "shell/ScreenSwitch.h"
#include "shell/ShellMessages.h"
#include "shell/TransitionRunner.h"
#include "toolkit/GestureControl.h"

namespace shell {

namespace {

namespace ui = platform::ui;

constexpr char16_t kUnreadKey[] = u"System\\State\\Messages\\SMS\\Unread";
constexpr char16_t kUnreadValue[] = u"Count";

template <typename T>
T* AddPanel(AppGlobals& app, std::unique_ptr<T> panel) {
  T* raw = panel.get();
  app.panels.push_back(raw);
  app.owned_panels.push_back(std::move(panel));
  return raw;
}

void CreatePanels(AppGlobals& app) {
  const RECT screen{0, 0, ui::GetSystemMetrics(SM_CXSCREEN), ui::GetSystemMetrics(SM_CYSCREEN)};
  ui::HWND main = app.main_window;
  auto list = std::make_unique<ContactContainerPanel>(main, screen);
  // The strip's jump goes through the window-level key dispatch, like a typed key.
  const auto send_key = [main](uint32_t virtual_key, char16_t character) {
    DispatchKey(main, virtual_key, character);
  };
  list->IndexStrip().SetKeySender(send_key);
  list->FilterMenu().IndexStrip().SetKeySender(send_key);
  auto detail = std::make_unique<ContactDetailPanel>(main, screen);
  detail->visible = false;
  auto sms = std::make_unique<SMSPanel>(main, screen);
  sms->visible = false;
  auto gesture = std::make_unique<GestureControl>(main, screen);
  gesture->SetSwipeAction([main] { SwipeAcrossScreen(main); });
  gesture->SetCornerTapAction([main] { MinimiseFromCorner(main); });
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
  // Changes of the Inbox that leave the unread count alone (an SMS filed already read, a read
  // SMS deleted) change the counts too.
  if (auto watch = registry.Watch(platform::HKEY_CURRENT_USER, platform::msgstore::kSmsInboxKey,
                                  platform::msgstore::kSmsInboxVersionValue,
                                  [main] { ui::PostMessage(main, kMsgRefreshSmsCounter, 0, 0); })) {
    app.watches.push_back(std::move(watch));
  }
  if (auto watch = registry.Watch(platform::HKEY_LOCAL_MACHINE, platform::kPhoneStateKey,
                                  platform::kSignalStrengthValue,
                                  [main] { ui::PostMessage(main, kMsgRepaint, 0, 0); })) {
    app.watches.push_back(std::move(watch));
  }
}

// One pass of the counter thread: the row form of the recount over the contact list (which
// takes the list's lock for every change), then a repaint of the whole window. The list
// lives as long as the globals, and the counter thread ends before they are destroyed.
void CounterPass(ContactSmartListControl& list, ui::HWND main) {
  RecountSmsFromRows(list);
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
  InstallAnimationHost();
  app.contact_store = ::OpenContactStore(app.main_window);
  LoadStartupLanguageTexts();
  CreatePanels(app);
  ui::HWND main = app.main_window;
  RegisterRowNavigation(main);
  app.unread_count = ReadUnreadCount();
  ContactSmartListControl& list = app.list_screen->ContactList();
  app.counter = std::make_unique<SmsCounter>([&list, main] { CounterPass(list, main); });
  // Read before the loader's first look at the Inbox: a change after this starts a recount.
  app.counter->NoteInboxVersion(platform::msgstore::ReadSmsInboxVersion());
  // The loader asks for a recount after each phase; it counts when the Inbox or the rows
  // changed since its last count.
  list.SetSmsRecount([recount = std::make_shared<LoaderSmsRecount>()](
                         ContactSmartListControl& rows) { recount->Run(rows); });
  list.SetStore(app.contact_store.get());
  list.StartLoading();
  app.back_buffer.reset();
  SendTransitionStart();
  SendTransitionEnd();
  EnsureSmsRuleClient();
  app.sms_buffer = SmsBuffer::Create();
  WatchRegistry(app);
  ui::PostMessage(main, kMsgDoFullScreen, 0, 0);
}

void RefreshSmsCounter() {
  AppGlobals& app = App();
  const unsigned count = ReadUnreadCount();
  const bool inbox_changed =
      app.counter && app.counter->NoteInboxVersion(platform::msgstore::ReadSmsInboxVersion());
  if (count == app.unread_count && !inbox_changed) return;
  app.unread_count = count;
  if (app.counter) app.counter->RequestRecount();
}

}  // namespace shell
