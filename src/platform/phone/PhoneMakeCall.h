// The phone service's make-call function. The backend is the device profile's "Phone" value
// (platform/ServiceBackend.h):
//   simulated  the call is recorded in the simulated phone's call log (CallLog.h) with the
//              time, the number and the called party;
//   desktop    the number goes as a tel: URI to the desktop's default handler;
//   modem      calls through the modem do not exist yet: the call fails visibly.
// An empty (or blank) number is refused on every backend.
// Every failure a user must know about (no handler, a number with nothing to dial) is told in
// a platform message box before the call returns.
//
// UI thread.
#pragma once

#include <cstdint>

namespace platform::phone {

// The size of the make-call record this service reads, and its flags.
inline constexpr uint32_t kMakeCallInfoSize = 28;
inline constexpr uint32_t PMCF_DEFAULT = 0x00000001;
inline constexpr uint32_t PMCF_PROMPTBEFORECALLING = 0x00000002;

struct PHONEMAKECALLINFO {
  uint32_t cbSize = kMakeCallInfoSize;
  uint32_t dwFlags = PMCF_DEFAULT;
  const char16_t* pszDestAddress = nullptr;  // the number as stored
  const char16_t* pszAppName = nullptr;      // unused
  const char16_t* pszCalledParty = nullptr;  // the name shown for the call
  const char16_t* pszComment = nullptr;      // unused
};

enum class CallResult {
  kPlaced,         // logged (simulated) or handed to the desktop
  kInvalidRecord,  // no record, a size this service does not know, or no number
  kNotDialable,    // the number holds nothing to dial (the user was told)
  kUnavailable,    // the backend cannot place calls (the user was told)
};

CallResult PhoneMakeCall(const PHONEMAKECALLINFO* info);

}  // namespace platform::phone
