#include "platform/sip/SystemInputPanel.h"

#include <vector>

#include "platform/input/KeyboardInput.h"
#include "platform/sip/InputMethods.h"
#include "platform/sip/SoftKeyboard.h"
#include "platform/ui/WindowApi.h"

namespace platform::sip {

namespace {

SystemInputPanel* g_panel = nullptr;

std::vector<std::function<void()>>& DownListeners() {
  static auto* listeners = new std::vector<std::function<void()>>;  // whole process
  return *listeners;
}

// The platform panel's callback: keys and characters go to the window with the focus.
class FocusCallback final : public IIMCallback {
 public:
  HRESULT QueryInterface(const com::IID& iid, void** out) override {
    if (out == nullptr) return com::kPointer;
    if (iid == com::IID_IUnknown || iid == IID_IIMCallback) {
      *out = static_cast<IIMCallback*>(this);
      AddRef();
      return com::kOk;
    }
    *out = nullptr;
    return com::kNoInterface;
  }
  uint32_t AddRef() override { return ++references_; }
  uint32_t Release() override {
    const uint32_t left = --references_;
    if (left == 0) delete this;  // the last reference: the object owns itself
    return left;
  }
  HRESULT SetImInfo(IMINFO*) override { return com::kOk; }
  HRESULT SendVirtualKey(uint8_t virtual_key, uint32_t flags) override {
    input::keybd_event(virtual_key, 0, flags, 0);
    return com::kOk;
  }
  HRESULT SendCharEvents(uint32_t virtual_key, uint32_t key_flags, uint32_t count,
                         const uint32_t* shift_states, const uint32_t* characters) override {
    input::PostKeybdMessage(nullptr, virtual_key, key_flags, count, shift_states, characters);
    return com::kOk;
  }
  HRESULT SendString(const char16_t* text, uint32_t count) override {
    if (text == nullptr) return com::kPointer;
    std::vector<uint32_t> characters(text, text + std::min(count, input::kMaxKeybdCharacters));
    input::PostKeybdMessage(nullptr, 0, 0, static_cast<uint32_t>(characters.size()), nullptr,
                            characters.data());
    return com::kOk;
  }

 private:
  ~FocusCallback() = default;
  uint32_t references_ = 1;
};

}  // namespace

SystemInputPanel::SystemInputPanel() {
  ui::WindowManager* manager = ui::WindowManager::Current();
  if (!manager) return;
  const SIZE screen = manager->ScreenSize();
  hwnd_ = manager->CreateWindow(
      kSipWindowClass, u"", RECT{0, screen.cy - 80, screen.cx, screen.cy}, false, nullptr,
      [this](ui::HWND h, UINT m, WPARAM w, LPARAM l) { return Handle(h, m, w, l); }, 0,
      WS_EX_TOPMOST | WS_EX_NOACTIVATE);
  manager->SetTaskBarButton(ui::TaskBarButton{[this] { Toggle(); }, [this] { return IsShown(); }});
  manager->SetKeyboardWindow(hwnd_);
  g_panel = this;
}

SystemInputPanel::~SystemInputPanel() {
  if (g_panel == this) g_panel = nullptr;
  method_.Reset();
  if (ui::WindowManager* manager = ui::WindowManager::Current()) {
    manager->SetTaskBarButton(ui::TaskBarButton{});
    if (manager->IsWindow(hwnd_)) manager->DestroyWindow(hwnd_);
  }
}

SystemInputPanel* SystemInputPanel::Current() {
  return g_panel;
}

bool SystemInputPanel::IsShown() const {
  return ui::IsWindowVisible(hwnd_);
}

void SystemInputPanel::Show() {
  if (!ui::IsWindow(hwnd_) || IsShown()) return;
  if (!method_) {
    if (com::CoCreateInstance(SipGetCurrentIM(), IID_IInputMethod, method_.Receive()) != com::kOk) {
      return;
    }
    method_->Select(hwnd_);
    callback_ = com::ComPtr<IIMCallback>(new FocusCallback);  // starts with our reference
    method_->RegisterCallback(callback_.Get());
  }
  Place();
  ui::ShowWindow(hwnd_, ui::SW_SHOW);
  method_->Showing();
  Broadcast();
}

void SystemInputPanel::Hide() {
  if (!IsShown()) return;
  ui::ShowWindow(hwnd_, ui::SW_HIDE);
  if (method_) method_->Hiding();
  Broadcast();
}

// At the bottom of the screen, as wide as the screen and as high as the method's window.
void SystemInputPanel::Place() {
  const int width = ui::GetSystemMetrics(SM_CXSCREEN);
  const int screen_height = ui::GetSystemMetrics(SM_CYSCREEN);
  SIPINFO info;
  info.rcSipRect = RECT{0, 0, width, screen_height};
  if (method_) method_->ReceiveSipInfo(&info);
  IMINFO im;
  int height = 80;
  if (method_ && method_->GetInfo(&im) == com::kOk && RectHeight(im.rcSipRect) > 0) {
    height = std::min(RectHeight(im.rcSipRect), screen_height / 2);
  }
  ui::MoveWindow(hwnd_, 0, screen_height - height, width, height, true);
}

void SystemInputPanel::Broadcast() {
  ui::WindowManager* manager = ui::WindowManager::Current();
  if (!manager) return;
  for (ui::HWND top : std::vector<ui::HWND>(manager->TopLevelWindows())) {
    if (top != hwnd_ && manager->IsWindow(top)) {
      manager->SendMessage(top, WM_SETTINGCHANGE, SPI_SETSIPINFO, 0);
    }
  }
}

LRESULT SystemInputPanel::Handle(ui::HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DISPLAYCHANGE) {
    if (IsShown()) {
      Place();
      Broadcast();
    }
    return 0;
  }
  return ui::DefWindowProc(hwnd, message, wparam, lparam);
}

bool SHSipPreference(ui::HWND, uint32_t request) {
  SystemInputPanel* panel = SystemInputPanel::Current();
  if (request == SIP_UP) {
    if (panel) panel->Show();
    return panel != nullptr;
  }
  if (request != SIP_DOWN) return false;
  if (panel) panel->Hide();
  for (size_t i = 0; i < DownListeners().size(); ++i) DownListeners()[i]();
  return true;
}

void AddSipDownListener(std::function<void()> listener) {
  if (listener) DownListeners().push_back(std::move(listener));
}

bool SHHandleWMSettingChange(ui::HWND hwnd, WPARAM wparam, LPARAM, void*) {
  if (wparam != SPI_SETSIPINFO || !ui::IsWindow(hwnd) || hwnd->HidesTaskBar()) return false;
  RECT window{};
  ui::GetWindowRect(hwnd, window);
  int bottom = ui::GetSystemMetrics(SM_CYSCREEN);
  SystemInputPanel* panel = SystemInputPanel::Current();
  if (panel && panel->IsShown()) {
    RECT sip{};
    ui::GetWindowRect(panel->Window(), sip);
    bottom = sip.top;
  }
  if (bottom == window.bottom || bottom <= window.top) return true;
  ui::MoveWindow(hwnd, window.left, window.top, RectWidth(window), bottom - window.top, false);
  return true;
}

}  // namespace platform::sip
