// The platform's own soft input panel: the top-most window of class "SipWndClass" at the
// bottom of the screen, shown and hidden by its button on the task bar (visible while the
// foreground application is not full screen), hosting the platform's current input method.
// When it shows, hides or moves, every top-level window gets WM_SETTINGCHANGE with
// SPI_SETSIPINFO; SHHandleWMSettingChange then fits a window that is not full screen above it.
//
// Applications that host an input method themselves register a listener so that the
// platform's request to put the panel down (SHSipPreference with SIP_DOWN) reaches them too.
// UI thread only.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/Messages.h"
#include "platform/com/Component.h"
#include "platform/sip/InputMethod.h"
#include "platform/ui/Window.h"

namespace platform::sip {

inline constexpr char16_t kSipWindowClass[] = u"SipWndClass";

// SHSipPreference requests.
inline constexpr uint32_t SIP_UP = 1;
inline constexpr uint32_t SIP_DOWN = 2;

class SystemInputPanel {
 public:
  // Makes the hidden panel window and the task bar button on the current window manager.
  SystemInputPanel();
  ~SystemInputPanel();
  SystemInputPanel(const SystemInputPanel&) = delete;
  SystemInputPanel& operator=(const SystemInputPanel&) = delete;

  // The panel of this process, or null.
  static SystemInputPanel* Current();

  ui::HWND Window() const { return hwnd_; }
  bool IsShown() const;
  void Show();
  void Hide();
  void Toggle() { IsShown() ? Hide() : Show(); }

 private:
  LRESULT Handle(ui::HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void Place();
  void Broadcast();

  ui::HWND hwnd_ = nullptr;
  com::ComPtr<IInputMethod> method_;
  com::ComPtr<IIMCallback> callback_;
};

// Puts the platform's panel down (SIP_DOWN, also telling the listeners) or up (SIP_UP).
bool SHSipPreference(ui::HWND hwnd, uint32_t request);

// A listener for SIP_DOWN; kept for the whole process.
void AddSipDownListener(std::function<void()> listener);

// The shell's handling of WM_SETTINGCHANGE: for SPI_SETSIPINFO a window that is not full
// screen is sized to end above the platform's panel while it shows, and to the bottom of the
// screen when it does not. True when the message was handled.
bool SHHandleWMSettingChange(ui::HWND hwnd, WPARAM wparam, LPARAM lparam, void* activation_info);

}  // namespace platform::sip
