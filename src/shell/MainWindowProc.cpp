#include "shell/MainWindowProc.h"

#include <cstring>

#include "contacts/ContactSmartListControl.h"
#include "messaging/SMSPanel.h"
#include "platform/input/EditBox.h"
#include "platform/sip/SystemInputPanel.h"
#include "platform/ui/ControlColors.h"
#include "platform/ui/WindowApi.h"
#include "screens/ContactContainerPanel.h"
#include "shell/AppGlobals.h"
#include "shell/Dispatch.h"
#include "shell/FullScreen.h"
#include "shell/Initialisation.h"
#include "shell/NewSmsArrival.h"
#include "shell/Painting.h"
#include "shell/Preferences.h"
#include "shell/Relayout.h"
#include "shell/ShellMessages.h"
#include "toolkit/SoftInputPanel.h"
#include "toolkit/TextInputControl.h"

namespace shell {

namespace {

namespace ui = platform::ui;

void OnActivate(WPARAM wparam) {
  RunFirstActivation();
  const uint32_t state = ui::LowWord(wparam);
  if (state == WA_INACTIVE) {
    ApplyFullScreen(false);
  } else if (state == WA_ACTIVE || state == WA_CLICKACTIVE) {
    AppGlobals& app = App();
    app.fullscreen_preference = ReadFullscreen();
    ApplyFullScreen(app.fullscreen_preference);
  }
}

void OnCreate() {
  AppGlobals& app = App();
  std::memset(app.shell_activation_info, 0, sizeof app.shell_activation_info);
  app.shell_activation_info[0] = sizeof app.shell_activation_info;
}

void OnRepaint(ui::HWND hwnd, WPARAM wparam) {
  if (wparam == 0) {
    ui::InvalidateRect(hwnd, nullptr);
    return;
  }
  // The sender passes the address of a rectangle that lives as long as the program.
  const RECT area = *reinterpret_cast<const RECT*>(wparam);
  ui::InvalidateRect(hwnd, &area);
}

// Contact-store notifications: wParam is the contact's object id.
constexpr UINT kContactCreatedLocally = 0x8100;
constexpr UINT kContactDeletedLocally = 0x8101;
constexpr UINT kContactChangedLocally = 0x8102;
constexpr UINT kContactCreatedRemotely = 0x8105;
constexpr UINT kContactDeletedRemotely = 0x8106;
constexpr UINT kContactChangedRemotely = 0x8107;

void OnContactNotification(UINT message, WPARAM wparam) {
  ContactContainerPanel* screen = App().list_screen;
  if (!screen) return;  // before the first activation: the load will read the contact anyway
  const auto object_id = static_cast<uint32_t>(wparam);
  if (message == kContactDeletedLocally || message == kContactDeletedRemotely) {
    screen->ContactList().OnContactDeleted(object_id);
  } else {
    // A list behind another screen changes without animating: the animation would tell every
    // screen a transition starts, and a note being typed on the detail screen would close.
    screen->ContactList().OnContactChanged(object_id, screen->visible);
  }
}

// The text box whose edit box is `hwnd`, when it is one of the main window's edit boxes.
TextInputControl* TextBoxOf(ui::HWND main, ui::HWND hwnd) {
  if (!ui::IsChild(main, hwnd) || hwnd->ClassName() != platform::input::kCapEditClass) {
    return nullptr;
  }
  return static_cast<TextInputControl*>(ui::GetWindowUserData(hwnd));
}

// A child of the main window got the focus: a text box that wants the keyboard (or a child
// that is no text box) brings it up.
void OnKillFocus(ui::HWND hwnd, WPARAM wparam) {
  const auto gaining = reinterpret_cast<ui::HWND>(wparam);
  if (!ui::IsChild(hwnd, gaining)) return;
  const TextInputControl* box = TextBoxOf(hwnd, gaining);
  if (box == nullptr || box->show_input_panel) ShowInputPanel(hwnd);
}

// The text box's colours: its text colour, text without a background of its own, and its
// background brush with the pattern aligned to the main window, so the screen shows through.
LRESULT OnControlColor(ui::HWND hwnd, WPARAM wparam, LPARAM lparam) {
  const auto edit = reinterpret_cast<ui::HWND>(lparam);
  TextInputControl* box = TextBoxOf(hwnd, edit);
  auto* colors = reinterpret_cast<ui::ControlColors*>(wparam);
  if (box == nullptr || colors == nullptr) return 0;
  colors->text_color = box->TextColor();
  colors->transparent = true;
  RECT place{};
  ui::GetWindowRect(edit, place);
  RECT main{};
  ui::GetWindowRect(hwnd, main);
  colors->brush_origin = POINT{main.left - place.left, main.top - place.top};
  return reinterpret_cast<LRESULT>(box->GetBackgroundBrush());
}

bool HandleRegistered(UINT message) {
  if (message == kMsgRefreshSmsCounter) {
    RefreshSmsCounter();
  } else if (message == kMsgDoFullScreen) {
    HandleFullScreenRequest();
  } else if (message == kMsgNewSms) {
    HandleNewSms();
  } else {
    return false;
  }
  return true;
}

}  // namespace

LRESULT MainWindowProc(ui::HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message >= ui::kFirstRegisteredMessage && HandleRegistered(message)) return 0;
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_DESTROY:
      if (!App().quit_posted) {
        App().quit_posted = true;
        ui::PostQuitMessage(0);
      }
      return 0;
    case WM_SIZE:
      if (App().layout_ready) {
        RECT client{};
        ui::GetClientRect(hwnd, client);
        Relayout(client, false);
      }
      return 0;
    case WM_ACTIVATE:
      OnActivate(wparam);
      return ui::DefWindowProc(hwnd, message, wparam, lparam);
    case WM_SETFOCUS:
      HideInputPanel(hwnd);
      return 0;
    case WM_KILLFOCUS:
      OnKillFocus(hwnd, wparam);
      return 0;
    case WM_CTLCOLOREDIT:
      return OnControlColor(hwnd, wparam, lparam);
    case WM_SETTINGCHANGE:
      platform::sip::SHHandleWMSettingChange(hwnd, wparam, lparam, App().shell_activation_info);
      return 0;
    case WM_PAINT:
      PaintMainWindow(hwnd);
      return 0;
    case WM_ERASEBKGND:
      return 0;
    case WM_KEYDOWN:
      DispatchKey(hwnd, static_cast<uint32_t>(wparam), 0);
      return 0;
    case WM_CHAR:
    case WM_IME_CHAR:
      DispatchKey(hwnd, 0, static_cast<char16_t>(ui::LowWord(wparam)));
      return 0;
    case WM_TIMER:
      DispatchTimer(wparam);
      return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      DispatchPointer(hwnd, message, ui::GetXParam(lparam), ui::GetYParam(lparam));
      return 0;
    case kMsgRepaint:
      OnRepaint(hwnd, wparam);
      return 0;
    case SMSPanel::kMsgSmsSent:
      if (App().sms_screen) App().sms_screen->OnSendFinished();
      return 0;
    case kContactCreatedLocally:
    case kContactDeletedLocally:
    case kContactChangedLocally:
    case kContactCreatedRemotely:
    case kContactDeletedRemotely:
    case kContactChangedRemotely:
      OnContactNotification(message, wparam);
      return 0;
    default:
      return ui::DefWindowProc(hwnd, message, wparam, lparam);
  }
}

}  // namespace shell
