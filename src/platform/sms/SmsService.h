// The phone's SMS service: open a handle, send a text through it, close it. The backend is
// the device profile's "Sms" value (platform/ServiceBackend.h):
//   simulated  the simulated network (SimulatedNetwork.h): every accepted SMS is recorded in
//              the device profile; the device tool can switch the network off, make sends
//              fail with a given code, or make the service impossible to open;
//   modem      the first modem with messaging that ModemManager knows (ModemNetwork.h);
//              without one, or without the system bus, sends fail with SMS_E_NO_NETWORK.
//              A modem's submit takes seconds; SmsSendMessage blocks until the network has
//              answered, as on the phone, so callers on the UI thread send from a worker.
// Results are HRESULT codes: 0 for success, negative for failure.
//
// Handles may be used from any thread, one call per handle at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

using HRESULT = int32_t;

namespace platform::sms {

using SMS_HANDLE = uint32_t;
using SMS_MESSAGE_ID = uint32_t;

inline constexpr char16_t kTextSmsProtocol[] = u"Microsoft Text SMS Protocol";
inline constexpr uint32_t SMS_MODE_RECEIVE = 1;
inline constexpr uint32_t SMS_MODE_SEND = 2;

inline constexpr size_t SMS_MAX_ADDRESS_LENGTH = 256;
inline constexpr uint32_t SMSAT_UNKNOWN = 0;
inline constexpr uint32_t SMSAT_INTERNATIONAL = 1;

struct SMS_ADDRESS {
  uint32_t smsatAddressType = SMSAT_UNKNOWN;
  char16_t ptsAddress[SMS_MAX_ADDRESS_LENGTH] = {};  // NUL-terminated unless all 256 are used
};

// The text protocol's provider record: 688 bytes, the three leading fields and zeroes.
inline constexpr uint32_t kTextProviderDataSize = 688;
inline constexpr uint32_t PS_MESSAGE_OPTION_NONE = 0;
inline constexpr uint32_t PS_MESSAGE_OPTION_STATUSREPORT = 2;
inline constexpr uint32_t PS_MESSAGE_CLASS0 = 0;
inline constexpr uint32_t PS_MESSAGE_CLASS1 = 1;
inline constexpr uint32_t PSRO_NONE = 0;

struct TEXT_PROVIDER_SPECIFIC_DATA {
  uint32_t dwMessageOptions = PS_MESSAGE_OPTION_NONE;
  uint32_t psMessageClass = PS_MESSAGE_CLASS0;
  uint32_t psReplaceOption = PSRO_NONE;
  uint8_t reserved[kTextProviderDataSize - 12] = {};
};
static_assert(sizeof(TEXT_PROVIDER_SPECIFIC_DATA) == kTextProviderDataSize);

// Only the optimal encoding is offered: the service picks GSM 7-bit or UCS-2 (SmsLength.h).
inline constexpr uint32_t SMSDE_OPTIMAL = 0;

inline constexpr HRESULT SMS_E_SERVICE_UNAVAILABLE = static_cast<HRESULT>(0x82000001u);
inline constexpr HRESULT SMS_E_NO_NETWORK = static_cast<HRESULT>(0x82000002u);
inline constexpr HRESULT SMS_E_INVALID_ADDRESS = static_cast<HRESULT>(0x82000003u);
inline constexpr HRESULT SMS_E_TOO_LONG = static_cast<HRESULT>(0x82000004u);
inline constexpr HRESULT SMS_E_RECORD_FAILED = static_cast<HRESULT>(0x82000005u);
inline constexpr HRESULT SMS_E_SEND_FAILED = static_cast<HRESULT>(0x82000006u);
inline constexpr HRESULT SMS_E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
inline constexpr HRESULT SMS_E_HANDLE = static_cast<HRESULT>(0x80070006u);

// The most parts one text may be cut into (concatenation counts parts in one byte).
inline constexpr int kMaxSmsParts = 255;

inline constexpr bool SmsFailed(HRESULT hr) {
  return hr < 0;
}

// Opens the text protocol for sending; `handle` receives the handle.
HRESULT SmsOpen(const char16_t* protocol, uint32_t mode, SMS_HANDLE* handle);

// Sends `data` (UTF-16 text without terminator, `data_size` bytes) to `destination`.
// `smsc` and `validity` must be null (the device default, no validity period); the provider
// record must be a TEXT_PROVIDER_SPECIFIC_DATA of kTextProviderDataSize bytes.
HRESULT SmsSendMessage(SMS_HANDLE handle, const SMS_ADDRESS* smsc, const SMS_ADDRESS* destination,
                       const void* validity, const uint8_t* data, uint32_t data_size,
                       const uint8_t* provider_data, uint32_t provider_data_size, uint32_t encoding,
                       uint32_t options, SMS_MESSAGE_ID* message_id);

HRESULT SmsClose(SMS_HANDLE handle);

// The network's message reference of an SMS this process sent (by the id SmsSendMessage gave
// it), when its transport reported one (a modem does; the simulated network does not). The
// last 64 sends are remembered.
std::optional<uint32_t> SmsMessageReference(SMS_MESSAGE_ID id);

// Whether a send through this profile's backend may block for seconds (a modem).
bool SmsSendMayBlock();

}  // namespace platform::sms
