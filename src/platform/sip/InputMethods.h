// The installed input methods and the current one, as the registry records them: each is a
// class under HKEY_LOCAL_MACHINE "Software\Classes\CLSID\{clsid}" whose "IsSIPInputMethod"
// value is "1" and whose default value is its display name; the current one is the string
// "DefaultIm" of HKEY_CURRENT_USER "ControlPanel\Sip". The registry is outside input: names and
// identifiers are checked and the list is bounded.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/com/Guid.h"

namespace platform::sip {

inline constexpr size_t kMaxInputMethods = 64;
inline constexpr size_t kMaxInputMethodName = 63;

struct InputMethodEntry {
  std::u16string name;
  com::CLSID clsid;
};

// Every installed input method, ordered by display name.
std::vector<InputMethodEntry> EnumerateInputMethods();

// The platform's current input method: "DefaultIm" when it names an installed one, else the
// first built-in keyboard.
com::CLSID SipGetCurrentIM();
// Makes an installed input method the current one; false for one that is not installed.
bool SipSetCurrentIM(const com::CLSID& clsid);

}  // namespace platform::sip
