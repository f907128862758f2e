// The input methods the platform ships: a full keyboard (letters with shift and caps lock, a
// page of digits and symbols, a page of accented letters) and a 12-key phone keypad with
// multi-tap letters.
#pragma once

#include "platform/com/Guid.h"

namespace platform::sip {

inline constexpr com::CLSID CLSID_FullKeyboard{
    0xA7F3C2D1, 0x6B4E, 0x4F8A, {0x9C, 0x1D, 0x2E, 0x3F, 0x4A, 0x5B, 0x6C, 0x7D}};
inline constexpr com::CLSID CLSID_PhoneKeypad{
    0xB8E4D3C2, 0x7C5F, 0x4A9B, {0x8D, 0x2E, 0x3F, 0x4A, 0x5B, 0x6C, 0x7D, 0x8E}};
inline constexpr char16_t kFullKeyboardName[] = u"Keyboard";
inline constexpr char16_t kPhoneKeypadName[] = u"Phone Keypad";

// Records their code and makes their registry entries where missing.
void InstallBuiltInInputMethods();

}  // namespace platform::sip
