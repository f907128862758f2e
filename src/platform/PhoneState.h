// The phone's state in the registry: HKEY_LOCAL_MACHINE "System\State\Phone" "Signal Strength
// Raw" (DWORD), the radio's signal quality, 0 to 100, 0 without a modem. The phone's SMS
// transport writes it; other processes may too, so readers clamp it.
#pragma once

namespace platform {

inline constexpr char16_t kPhoneStateKey[] = u"System\\State\\Phone";
inline constexpr char16_t kSignalStrengthValue[] = u"Signal Strength Raw";

}  // namespace platform
