// The soft input panel's component interfaces: an input method (a keyboard drawn in a window
// the host gives it) and the callback through which it types. Identifiers, slot order and
// records follow the old platform, so a host written for it works unchanged.
//
// A host selects an input method into its panel window (the method makes its own child
// window there, as high as it likes), registers a callback, tells it when the panel shows and
// hides, and passes it the panel's rectangle; the method sends keys and text through the
// callback. UI thread only.
#pragma once

#include <cstdint>

#include "platform/Types.h"
#include "platform/com/Component.h"
#include "platform/ui/Window.h"

namespace platform::sip {

using com::HRESULT;

inline constexpr com::IID IID_IInputMethod{
    0x42429666, 0xAE04, 0x11D0, {0xA4, 0xF8, 0x00, 0xAA, 0x00, 0xA7, 0x49, 0xB9}};
inline constexpr com::IID IID_IIMCallback{
    0x42429669, 0xAE04, 0x11D0, {0xA4, 0xF8, 0x00, 0xAA, 0x00, 0xA7, 0x49, 0xB9}};

// What an input method tells about itself (GetInfo) or a host about the panel.
struct IMINFO {
  uint32_t cbSize = sizeof(IMINFO);
  void* hImageNarrow = nullptr;
  void* hImageWide = nullptr;
  int iNarrow = 0;
  int iWide = 0;
  uint32_t fdwFlags = 0;
  RECT rcSipRect{};  // the panel's rectangle, screen pixels
};

struct SIPINFO {
  uint32_t cbSize = sizeof(SIPINFO);
  uint32_t fdwFlags = 0;
  RECT rcVisibleDesktop{};
  RECT rcSipRect{};  // the panel's rectangle, screen pixels
  uint32_t dwImDataSize = 0;
  void* pvImData = nullptr;
};

class IIMCallback : public com::IUnknown {
 public:
  virtual HRESULT SetImInfo(IMINFO* info) = 0;
  // A key event (flags 0: down, KEYEVENTF_KEYUP: up).
  virtual HRESULT SendVirtualKey(uint8_t virtual_key, uint32_t flags) = 0;
  virtual HRESULT SendCharEvents(uint32_t virtual_key, uint32_t key_flags, uint32_t count,
                                 const uint32_t* shift_states, const uint32_t* characters) = 0;
  virtual HRESULT SendString(const char16_t* text, uint32_t count) = 0;

 protected:
  ~IIMCallback() = default;
};

class IInputMethod : public com::IUnknown {
 public:
  // Makes the method's window as a child of the panel window.
  virtual HRESULT Select(ui::HWND panel) = 0;
  virtual HRESULT Deselect() = 0;
  virtual HRESULT Showing() = 0;
  virtual HRESULT Hiding() = 0;
  virtual HRESULT GetInfo(IMINFO* info) = 0;
  virtual HRESULT ReceiveSipInfo(SIPINFO* info) = 0;
  virtual HRESULT RegisterCallback(IIMCallback* callback) = 0;
  virtual HRESULT GetImData(uint32_t size, void* data) = 0;
  virtual HRESULT SetImData(uint32_t size, void* data) = 0;
  virtual HRESULT UserOptionsDlg(ui::HWND owner) = 0;

 protected:
  ~IInputMethod() = default;
};

}  // namespace platform::sip
