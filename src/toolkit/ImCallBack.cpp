#include "toolkit/ImCallBack.h"

#include <algorithm>
#include <string>

#include "platform/input/KeyboardInput.h"
#include "toolkit/SoftInputPanel.h"

namespace com = platform::com;

com::HRESULT ImCallBack::QueryInterface(const com::IID& iid, void** out) {
  if (out == nullptr) return com::kPointer;
  if (iid == com::IID_IUnknown || iid == platform::sip::IID_IIMCallback) {
    *out = static_cast<platform::sip::IIMCallback*>(this);
    AddRef();
    return com::kOk;
  }
  *out = nullptr;
  return com::kNoInterface;
}

com::HRESULT ImCallBack::SetImInfo(platform::sip::IMINFO*) {
  return com::kOk;
}

com::HRESULT ImCallBack::SendVirtualKey(uint8_t virtual_key, uint32_t flags) {
  platform::input::keybd_event(virtual_key, 0, flags, 0);
  return com::kOk;
}

com::HRESULT ImCallBack::SendCharEvents(uint32_t, uint32_t, uint32_t count, const uint32_t*,
                                        const uint32_t* characters) {
  if (characters == nullptr && count > 0) return com::kPointer;
  const uint32_t taken = std::min(count, platform::input::kMaxKeybdCharacters);
  std::u16string text;
  text.reserve(taken);
  for (uint32_t i = 0; i < taken; ++i) text.push_back(static_cast<char16_t>(characters[i]));
  SendTextToFocus(text);
  return com::kOk;
}

com::HRESULT ImCallBack::SendString(const char16_t* text, uint32_t count) {
  if (text == nullptr && count > 0) return com::kPointer;
  const uint32_t taken = std::min(count, platform::input::kMaxKeybdCharacters);
  SendTextToFocus(std::u16string_view(text, taken));
  return com::kOk;
}
