// Which backend serves each of the phone's outside services on this device profile. The
// string values "Phone", "Mail" and "Sms" under HKEY_LOCAL_MACHINE
// "Software\Quillbook\Platform" name it: "simulated", "desktop" or "modem" (without regard to
// case). A seeded demo or test profile says "simulated"; a profile that names nothing, or
// something else, is a real one and gets the real backend of the service (desktop for calls
// and mail, the modem for SMS). A real profile never falls back to the simulated one.
#pragma once

#include <string_view>

namespace platform {

enum class PlatformService { kPhone, kMail, kSms, kPictures, kContacts };
enum class ServiceBackend { kSimulated, kDesktop, kModem };

inline constexpr char16_t kPlatformServicesKey[] = u"Software\\Quillbook\\Platform";

// The registry value that names the service's backend ("Phone", "Mail", "Sms", "Pictures",
// "Contacts").
std::u16string_view ServiceValueName(PlatformService service);
// "simulated", "desktop" or "modem".
std::string_view BackendName(ServiceBackend backend);

// The backend a real device profile gets for the service.
ServiceBackend RealBackend(PlatformService service);
// The backend this device profile names for the service, else its real backend.
ServiceBackend ReadServiceBackend(PlatformService service);

// Marks this device profile as simulated for every service (seed-demo, test set-ups). False
// when the registry could not be written.
bool UseSimulatedServices();

}  // namespace platform
