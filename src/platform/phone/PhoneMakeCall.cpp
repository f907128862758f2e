#include "platform/phone/PhoneMakeCall.h"

#include <optional>
#include <string>

#include "platform/Messages.h"
#include "platform/ServiceBackend.h"
#include "platform/phone/CallLog.h"
#include "platform/phone/TelUri.h"
#include "platform/shellexec/DesktopHandoff.h"
#include "platform/ui/WindowApi.h"

namespace platform::phone {

namespace {

constexpr char16_t kCaption[] = u"Phone";

void Tell(const std::u16string& text) {
  ui::WindowManager* manager = ui::WindowManager::Current();
  if (!manager) return;
  ui::MessageBox(manager->MainWindow(), text, kCaption, MB_OK | MB_ICONEXCLAMATION);
}

CallResult CallOnDesktop(const std::u16string& number) {
  const std::optional<std::string> uri = MakeTelUri(number);
  if (!uri) {
    Tell(u"\"" + number + u"\" cannot be called: it has no digits to dial.");
    return CallResult::kNotDialable;
  }
  return shellexec::HandUriToDesktop(*uri, u"place the call to " + number, kCaption)
             ? CallResult::kPlaced
             : CallResult::kUnavailable;
}

}  // namespace

CallResult PhoneMakeCall(const PHONEMAKECALLINFO* info) {
  if (!info || info->cbSize != kMakeCallInfoSize || !info->pszDestAddress) {
    return CallResult::kInvalidRecord;
  }
  const std::u16string number(info->pszDestAddress);
  const std::u16string party(info->pszCalledParty ? info->pszCalledParty : u"");
  // A call to nothing is refused, whatever the backend.
  if (number.find_first_not_of(u" \t") == std::u16string::npos) {
    Tell(u"There is no number to call.");
    return CallResult::kNotDialable;
  }
  switch (ReadServiceBackend(PlatformService::kPhone)) {
    case ServiceBackend::kSimulated:
      if (LogCall(number, party)) return CallResult::kPlaced;
      Tell(u"The simulated phone could not record the call to " + number + u".");
      return CallResult::kUnavailable;
    case ServiceBackend::kDesktop:
      return CallOnDesktop(number);
    case ServiceBackend::kModem:
      break;
  }
  Tell(u"Cannot place the call to " + number + u": calls through the modem are not available.");
  return CallResult::kUnavailable;
}

}  // namespace platform::phone
