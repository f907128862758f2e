// A soft keyboard component: an input method that draws a KeyboardLayout into its own child
// window of the panel it is selected into, shows the key under the pen pressed, and sends
// what a tap types through the host's callback. Its window is as wide as the panel and as
// high as its rows need (PreferredHeight); the panel's host sizes itself from it.
//
// Pen: down on a key presses it (Backspace sends at once and repeats after 500 ms every
// 100 ms while held); moving carries the press to the key under the pen; up on a key sends
// it. Timers run on the window, so they follow the platform's clock. Live keyboards appear in
// the "soft_keyboards" section of state dumps with their keys on the screen, so that scripts
// can tap them by position. UI thread only.
#pragma once

#include <memory>

#include "platform/Messages.h"
#include "platform/sip/InputMethod.h"
#include "platform/sip/KeyboardLayout.h"

namespace platform::sip {

class SoftKeyboard final : public IInputMethod {
 public:
  explicit SoftKeyboard(std::unique_ptr<KeyboardLayout> layout);

  HRESULT QueryInterface(const com::IID& iid, void** out) override;
  uint32_t AddRef() override;
  uint32_t Release() override;

  HRESULT Select(ui::HWND panel) override;
  HRESULT Deselect() override;
  HRESULT Showing() override;
  HRESULT Hiding() override;
  HRESULT GetInfo(IMINFO* info) override;
  HRESULT ReceiveSipInfo(SIPINFO* info) override;
  HRESULT RegisterCallback(IIMCallback* callback) override;
  HRESULT GetImData(uint32_t size, void* data) override;
  HRESULT SetImData(uint32_t size, void* data) override;
  HRESULT UserOptionsDlg(ui::HWND owner) override;

  // Height of the keyboard for a panel of that width on this screen.
  int PreferredHeight() const;
  ui::HWND Window() const { return hwnd_; }
  // The keys as drawn now, in the window's pixels.
  std::vector<SoftKey> CurrentKeys() const;

 private:
  ~SoftKeyboard();
  LRESULT Handle(ui::HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void Paint();
  void PaintKey(Surface& dc, const SoftKey& key, bool pressed, int row_height);
  int KeyAt(int x, int y) const;
  void OnPenDown(int x, int y);
  void OnPenMove(int x, int y);
  void OnPenUp(int x, int y);
  void OnTimer(uintptr_t id);
  void Press(const SoftKey& key);
  void Send(const KeyOutput& output);
  void ResizeTo(int width);

  uint32_t references_ = 1;
  std::unique_ptr<KeyboardLayout> layout_;
  com::ComPtr<IIMCallback> callback_;
  ui::HWND hwnd_ = nullptr;
  int pressed_ = -1;        // index of the key under the pen, or -1
  bool repeating_ = false;  // the pressed key repeats (Backspace)
};

}  // namespace platform::sip
