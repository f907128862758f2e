// ImCallBack: the callback the program gives the input method it hosts. Keys become key events
// of the platform's keyboard (scan code 0); characters and strings go to the window with the
// keyboard focus (SendTextToFocus). It only counts references: one object is made on the first
// show of the keyboard and kept for the whole run. UI thread only.
#pragma once

#include "platform/sip/InputMethod.h"

class ImCallBack final : public platform::sip::IIMCallback {
 public:
  using HRESULT = platform::com::HRESULT;

  // Answers IUnknown and IIMCallback with itself (adding a reference), others with
  // E_NOINTERFACE.
  HRESULT QueryInterface(const platform::com::IID& iid, void** out) override;
  uint32_t AddRef() override { return ++references_; }
  uint32_t Release() override { return --references_; }  // never frees the object

  HRESULT SetImInfo(platform::sip::IMINFO* info) override;
  HRESULT SendVirtualKey(uint8_t virtual_key, uint32_t flags) override;
  // Exactly `count` characters, each cut to 16 bits.
  HRESULT SendCharEvents(uint32_t virtual_key, uint32_t key_flags, uint32_t count,
                         const uint32_t* shift_states, const uint32_t* characters) override;
  HRESULT SendString(const char16_t* text, uint32_t count) override;

  uint32_t References() const { return references_; }

 private:
  uint32_t references_ = 0;
};
