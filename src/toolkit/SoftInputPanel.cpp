#include "toolkit/SoftInputPanel.h"

#include <vector>

#include "platform/input/KeyboardInput.h"
#include "platform/sip/SystemInputPanel.h"
#include "platform/ui/WindowApi.h"
#include "toolkit/ImCallBack.h"

namespace ui = platform::ui;
namespace com = platform::com;
namespace sip = platform::sip;

namespace {

// The text of "CurrentSIP" is read into a buffer of this many characters.
constexpr size_t kChoiceChars = 255;

std::optional<std::u16string> StoredChoice() {
  const InputPanelHost& host = InputPanel().host;
  std::optional<std::u16string> stored = host.read_choice ? host.read_choice() : std::nullopt;
  if (stored && stored->size() > kChoiceChars) stored.reset();
  return stored;
}

// Picks the method to show: the given one (then remembered), else the stored choice, else the
// platform's current one; nullopt when the user turned the keyboard off.
std::optional<com::CLSID> ChooseMethod(std::optional<com::CLSID> given) {
  if (given) {
    SaveInputPanelChoice(given);
    return given;
  }
  const std::optional<std::u16string> stored = StoredChoice();
  if (stored == kNoSip) return std::nullopt;
  if (stored) {
    if (auto clsid = com::ParseGuid(*stored)) return clsid;
  }
  return sip::SipGetCurrentIM();
}

// The main window's rectangle on the screen.
RECT MainRect(ui::HWND main_window) {
  RECT rect{};
  ui::GetWindowRect(main_window, rect);
  return rect;
}

void ListenForSipDown() {
  SoftInputPanelRecord& panel = InputPanel();
  if (panel.down_listener) return;
  panel.down_listener = true;
  sip::AddSipDownListener([] {
    if (InputPanel().main_window) HideInputPanel(InputPanel().main_window);
  });
}

}  // namespace

SoftInputPanelRecord& InputPanel() {
  static SoftInputPanelRecord record;
  return record;
}

void SetInputPanelHost(InputPanelHost host) {
  InputPanel().host = std::move(host);
}

void ResetSoftInputPanel() {
  SoftInputPanelRecord& panel = InputPanel();
  if (panel.input_method) panel.input_method->Deselect();
  panel.input_method.Reset();
  panel.method_clsid.reset();
  panel.main_window = panel.system_panel = panel.hosted_window = nullptr;
  panel.system_panel_rect = panel.keyboard_rect = panel.relayout_rect = RECT{};
  panel.installed.reset();
}

UINT RepositionKeyboardMessage() {
  static const UINT message = ui::RegisterWindowMessage(u"g_qbkRepositionKeyboard");
  return message;
}

void FindSystemInputPanel() {
  SoftInputPanelRecord& panel = InputPanel();
  panel.system_panel = ui::FindWindowOfClass(sip::kSipWindowClass);
  panel.system_panel_rect = RECT{};
  if (panel.system_panel) ui::GetWindowRect(panel.system_panel, panel.system_panel_rect);
  RegisterKeyboardDump();
}

bool InputPanelShown() {
  const SoftInputPanelRecord& panel = InputPanel();
  return panel.input_method && ui::IsWindowVisible(panel.hosted_window);
}

void ShowInputPanel(ui::HWND main_window, std::optional<com::CLSID> clsid) {
  SoftInputPanelRecord& panel = InputPanel();
  panel.main_window = main_window;
  ListenForSipDown();
  // "nosip" holds until the user picks a keyboard again, also while a method is kept hidden.
  if (!clsid && StoredChoice() == kNoSip) return;
  if (panel.input_method) {
    panel.input_method->Showing();
    ui::ShowWindow(panel.hosted_window, ui::SW_SHOW);
    ui::PostMessage(panel.hosted_window, RepositionKeyboardMessage(), 0, 0);
    return;
  }
  const std::optional<com::CLSID> chosen = ChooseMethod(clsid);
  if (!chosen) return;
  com::ComPtr<sip::IInputMethod> method;
  if (com::CoCreateInstance(*chosen, sip::IID_IInputMethod, method.Receive()) != com::kOk) return;
  const RECT main = MainRect(main_window);
  const int screen_height = ui::GetSystemMetrics(SM_CYSCREEN);
  if (ui::IsWindow(panel.hosted_window)) {
    // Where a new hosted window starts, so that the new method's window fits inside the part
    // of the screen the reposition measures.
    const int top = screen_height - ui::GetSystemMetrics(SM_CYMENU) - kHostedSipHeight;
    ui::MoveWindow(panel.hosted_window, main.left, top, RectWidth(main), screen_height - top, true);
  } else {
    panel.hosted_window = CreateHostedSipWindow(main_window);
    if (!panel.hosted_window) return;
  }
  panel.input_method = std::move(method);
  panel.method_clsid = chosen;
  panel.input_method->Select(panel.hosted_window);
  sip::SIPINFO info;
  info.cbSize = 40;
  info.rcSipRect = RECT{main.left, main.bottom - kHostedSipHeight, main.right, main.bottom};
  panel.input_method->ReceiveSipInfo(&info);
  if (!panel.callback) panel.callback = std::make_unique<ImCallBack>();
  panel.input_method->RegisterCallback(panel.callback.get());
  ui::ShowWindow(panel.hosted_window, ui::SW_SHOW);
  panel.input_method->Showing();
  ui::PostMessage(panel.hosted_window, RepositionKeyboardMessage(), 1, 0);
}

void HideInputPanel(ui::HWND main_window) {
  SoftInputPanelRecord& panel = InputPanel();
  if (panel.input_method) {
    ui::ShowWindow(panel.hosted_window, ui::SW_HIDE);
    panel.input_method->Hiding();
  }
  panel.keyboard_rect = panel.relayout_rect = RECT{};
  RECT window{};
  if (!ui::GetWindowRect(main_window, window)) return;
  ui::SetWindowPos(main_window, window.left, window.top, ui::GetSystemMetrics(SM_CXSCREEN),
                   RectHeight(window));
  // The size may not have changed (only the screens were made shorter), so the screens are
  // given the whole client area again here.
  RECT client{};
  ui::GetClientRect(main_window, client);
  if (panel.host.relayout) panel.host.relayout(client);
}

void SwitchInputPanel(const com::CLSID& clsid) {
  SoftInputPanelRecord& panel = InputPanel();
  if (panel.input_method) {
    panel.input_method->Hiding();
    panel.input_method->Deselect();
    panel.input_method.Reset();
    panel.method_clsid.reset();
  }
  ui::HWND main = panel.main_window;
  if (!main) {
    if (ui::WindowManager* manager = ui::WindowManager::Current()) main = manager->MainWindow();
  }
  ShowInputPanel(main, clsid);
}

void SaveInputPanelChoice(std::optional<com::CLSID> clsid) {
  const InputPanelHost& host = InputPanel().host;
  if (host.write_choice) host.write_choice(clsid ? com::FormatGuid(*clsid) : kNoSip);
}

void SendTextToFocus(std::u16string_view text) {
  const size_t count = std::min<size_t>(text.size(), platform::input::kMaxKeybdCharacters);
  std::vector<uint32_t> characters(text.begin(), text.begin() + static_cast<long>(count));
  std::vector<uint32_t> shift_states(count, 0);
  platform::input::PostKeybdMessage(ui::GetFocus(), 0, 0, static_cast<uint32_t>(count),
                                    shift_states.data(), characters.data());
}

const std::vector<sip::InputMethodEntry>& InstalledInputMethods() {
  SoftInputPanelRecord& panel = InputPanel();
  if (!panel.installed) panel.installed = sip::EnumerateInputMethods();
  return *panel.installed;
}
