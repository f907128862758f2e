#include "shell/FullScreen.h"

#include "contacts/ContactSmartListControl.h"
#include "platform/ui/WindowApi.h"
#include "screens/ContactContainerPanel.h"
#include "shell/AppGlobals.h"
#include "shell/Preferences.h"
#include "shell/Relayout.h"
#include "shell/ShellMessages.h"
#include "toolkit/SoftInputPanel.h"

namespace shell {

namespace ui = platform::ui;

void ApplyFullScreen(bool on) {
  ui::HWND main = App().main_window;
  if (on) {
    ui::SetForegroundWindow(main);
    ui::SetWindowPos(main, 0, 0, ui::GetSystemMetrics(SM_CXSCREEN),
                     ui::GetSystemMetrics(SM_CYSCREEN));
  } else {
    HideInputPanel(main);
  }
  ui::SHFullScreen(main, on ? ui::SHFS_HIDETASKBAR | ui::SHFS_HIDESIPBUTTON
                            : ui::SHFS_SHOWTASKBAR | ui::SHFS_SHOWSTARTICON);
}

void HandleFullScreenRequest() {
  AppGlobals& app = App();
  ui::SetForegroundWindow(app.main_window);
  app.fullscreen_preference = ReadFullscreen();
  ApplyFullScreen(app.fullscreen_preference);
  const int top = app.fullscreen_preference ? 0 : ui::GetSystemMetrics(SM_CYMENU);
  const int width = ui::GetSystemMetrics(SM_CXSCREEN);
  const int height = ui::GetSystemMetrics(SM_CYSCREEN) - top;
  ui::MoveWindow(app.main_window, 0, top, width, height, false);
  app.last_layout_rect.right = 0;  // the next comparison must fail
  app.layout_ready = true;
  Relayout(RECT{0, 0, width, height}, false);
  // The theme is loaded now: the contact loader may start reading the store.
  if (app.list_screen) app.list_screen->ContactList().NotifyLayoutReady();
}

void RequestFullScreen() {
  ui::PostMessage(App().main_window, kMsgDoFullScreen, 0, 0);
}

}  // namespace shell
