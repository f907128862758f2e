#include "platform/ServiceBackend.h"

#include <array>
#include <optional>
#include <string>

#include "platform/Text.h"
#include "platform/registry/Registry.h"

namespace platform {

namespace {

constexpr std::array<PlatformService, 5> kServices = {
    PlatformService::kPhone, PlatformService::kMail, PlatformService::kSms,
    PlatformService::kPictures, PlatformService::kContacts};

std::optional<ServiceBackend> ParseBackend(std::u16string_view text) {
  for (ServiceBackend backend :
       {ServiceBackend::kSimulated, ServiceBackend::kDesktop, ServiceBackend::kModem}) {
    if (ToLower(Trim(text)) == FromUtf8(BackendName(backend))) return backend;
  }
  return std::nullopt;
}

}  // namespace

std::u16string_view ServiceValueName(PlatformService service) {
  switch (service) {
    case PlatformService::kPhone:
      return u"Phone";
    case PlatformService::kMail:
      return u"Mail";
    case PlatformService::kSms:
      return u"Sms";
    case PlatformService::kPictures:
      return u"Pictures";
    case PlatformService::kContacts:
      return u"Contacts";
  }
  return u"";
}

std::string_view BackendName(ServiceBackend backend) {
  switch (backend) {
    case ServiceBackend::kSimulated:
      return "simulated";
    case ServiceBackend::kDesktop:
      return "desktop";
    case ServiceBackend::kModem:
      return "modem";
  }
  return "";
}

ServiceBackend RealBackend(PlatformService service) {
  return service == PlatformService::kSms ? ServiceBackend::kModem : ServiceBackend::kDesktop;
}

ServiceBackend ReadServiceBackend(PlatformService service) {
  const std::optional<std::u16string> value =
      ReadRegistryString(HKEY_LOCAL_MACHINE, kPlatformServicesKey, ServiceValueName(service));
  if (value) {
    if (std::optional<ServiceBackend> backend = ParseBackend(*value)) return *backend;
  }
  return RealBackend(service);
}

bool UseSimulatedServices() {
  const std::u16string simulated = FromUtf8(BackendName(ServiceBackend::kSimulated));
  bool written = true;
  for (PlatformService service : kServices) {
    written = WriteRegistryString(HKEY_LOCAL_MACHINE, kPlatformServicesKey,
                                  ServiceValueName(service), simulated) &&
              written;
  }
  return written;
}

}  // namespace platform
