// The components the platform ships (its input methods): their code is recorded for
// CoCreateInstance and their registry entries are made in the device profile's registry when
// missing. Cheap to call again; CoCreateInstance and the input-method enumeration call it.
#pragma once

namespace platform::com {

// HKEY_LOCAL_MACHINE key under which each class has its "{clsid}" subkey.
inline constexpr char16_t kClassesKey[] = u"Software\\Classes\\CLSID";

void InstallBuiltInComponents();

}  // namespace platform::com
