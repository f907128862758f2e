#include "shell/Entry.h"
#include "shell/FilterMenuScript.h"

#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/ipc/InstanceEndpoint.h"
#include "platform/ui/WindowApi.h"
#include "shell/AppGlobals.h"
#include "shell/MainWindowProc.h"
#include "shell/PlatformEditorProbe.h"
#include "shell/Preferences.h"
#include "shell/Relayout.h"
#include "shell/ShellMessages.h"
#include "shell/SmsScreenHooks.h"
#include "shell/TextBoxProbe.h"
#include "shell/UriOpening.h"
#include "toolkit/LightControl.h"
#include "toolkit/SoftInputPanel.h"

namespace shell {

namespace {

namespace ui = platform::ui;
using platform::ipc::InstanceEndpoint;
using platform::ipc::InstanceRequest;

// Runs on the endpoint's thread: hand the request to the UI thread.
void OnSecondStart(ui::WindowManager* manager, const InstanceRequest& request) {
  manager->PostTask([manager, request] {
    ui::HWND main = App().main_window;
    if (!manager->IsWindow(main)) return;
    if (request.bring_forward) manager->BringToFront(main);
    if (!request.post_message.empty()) {
      if (auto id = ui::FindRegisteredMessage(platform::FromUtf8(request.post_message))) {
        manager->PostMessage(main, *id, 0, 0);
      }
    }
    if (!request.uri.empty()) RequestUri(request.uri);
    if (request.close) manager->PostMessage(main, WM_CLOSE, 0, 0);
  });
}

int RunLoop() {
  ui::MSG msg;
  while (ui::GetMessage(msg)) ui::DispatchMessage(msg);
  return static_cast<int>(msg.wParam);
}

}  // namespace

ui::HWND CreateMainWindow() {
  ui::WindowManager* manager = ui::WindowManager::Current();
  if (!manager) return nullptr;
  ui::HWND main = manager->CreateWindow(kMainWindowClass, kMainWindowTitle, std::nullopt, false,
                                        nullptr, MainWindowProc);
  if (!main) return nullptr;
  App().main_window = main;
  RegisterShellDump();
  SetInputPanelHost(InputPanelHost{[](const RECT& rect) {
                                     if (App().layout_ready) Relayout(rect, false);
                                   },
                                   ReadCurrentSip, WriteCurrentSip});
  FindSystemInputPanel();
  RegisterTextBoxProbe();
  RegisterFilterMenuHook();
  RegisterSmsScreenHooks();
  RegisterPlatformEditorProbe();
  manager->AddLoopHook([] { LightControl::DrainDeferredDeletions(); });
  manager->AddLoopHook(OpenPendingUri);
  ui::ShowWindow(main, ui::SW_SHOW);
  return main;
}

bool HandOverToRunningInstance(const std::string& uri) {
  const InstanceEndpoint endpoint(kMainWindowClass, kMainWindowTitle, platform::DeviceDir());
  return endpoint.Send(InstanceRequest{true, {}, false, uri});
}

int RunQuillbook(const std::string& uri) {
  ui::WindowManager* manager = ui::WindowManager::Current();
  if (!manager) return 0;
  // Another instance in this process (the window manager knows it) or in another process
  // (the endpoint finds it): bring it forward and end.
  if (ui::HWND running = manager->FindWindow(kMainWindowClass, kMainWindowTitle)) {
    manager->BringToFront(running);
    if (!uri.empty()) RequestUri(uri);
    return 0;
  }
  InstanceEndpoint endpoint(kMainWindowClass, kMainWindowTitle, platform::DeviceDir());
  const auto role =
      endpoint.Start(InstanceRequest{true, {}, false, uri},
                     [manager](const InstanceRequest& r) { OnSecondStart(manager, r); });
  if (role == InstanceEndpoint::Role::kSecondary) return 0;
  if (!uri.empty()) RequestUri(uri);
  if (!CreateMainWindow()) return 0;
  const int exit_code = RunLoop();
  // The close symbol ends the loop with WM_DESTROY alone, leaving the window: destroy it, so
  // that nothing of this run is left for a later start in the same process to find.
  if (ui::IsWindow(App().main_window)) {
    App().quit_posted = true;
    ui::DestroyWindow(App().main_window);
  }
  // The screens' threads (the contact loader, the SMS counter) end here, while the stores,
  // the registry and the window manager they use still exist; at process exit they would
  // race with the destruction of those.
  ResetAppGlobals();
  return exit_code;
}

}  // namespace shell
