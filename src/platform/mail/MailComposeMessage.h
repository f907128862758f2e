// The mail service's compose function. The backend is the device profile's "Mail" value
// (platform/ServiceBackend.h):
//   simulated  the composition is recorded in the simulated mail log (MailLog.h), the whole To
//              text included;
//   desktop    the address of the To text goes as a mailto: URI to the desktop's default
//              handler; a To text without a usable address opens nothing and says so;
//   modem      a modem sends no mail: the desktop's handler is used as well.
// Failures a user must know about are told in a platform message box before the call returns.
//
// UI thread.
#pragma once

#include <cstdint>

namespace platform::mail {

// The size of the compose record this service reads.
inline constexpr uint32_t kMailComposeFieldsSize = 44;

struct MAILCOMPOSEFIELDS {
  uint32_t cbSize = kMailComposeFieldsSize;
  uint32_t dwFlags = 0;
  const char16_t* pszTo = nullptr;  // "Name<address>", or an address
  const char16_t* pszCc = nullptr;
  const char16_t* pszBcc = nullptr;
  const char16_t* pszSubject = nullptr;
  const char16_t* pszBody = nullptr;
  const char16_t* const* ppszAttachments = nullptr;  // unused
  uint32_t cAttachments = 0;                         // unused
  const char16_t* pszAccount = nullptr;              // unused
  const char16_t* pszMsgClass = nullptr;             // unused
};

enum class ComposeResult {
  kOpened,         // logged (simulated) or handed to the desktop
  kInvalidRecord,  // no record, or a size this service does not know
  kNoAddress,      // the To text holds no usable address (the user was told)
  kUnavailable,    // the backend cannot compose (the user was told)
};

ComposeResult MailComposeMessage(const MAILCOMPOSEFIELDS* fields);

}  // namespace platform::mail
