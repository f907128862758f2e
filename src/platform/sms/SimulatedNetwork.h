// The simulated network of a test or demo device profile. Its state lives in the profile's
// registry (HKEY_LOCAL_MACHINE "Software\Quillbook\Platform\SimulatedNetwork": "State" one of
// "ok", "off", "fail", "unavailable", and "FailCode", a DWORD), so the device tool changes it
// while the program runs; a missing or unknown state is "ok". Each SMS the network accepts
// is recorded in the profile ("sms.db") with what the phone submitted.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/sms/SmsTransport.h"

namespace platform::sms {

enum class NetworkState {
  kOk,           // submissions are accepted and recorded
  kOff,          // submissions fail with SMS_E_NO_NETWORK
  kFail,         // submissions fail with the stored code
  kUnavailable,  // the service cannot be opened (SMS_E_SERVICE_UNAVAILABLE)
};

struct NetworkSetting {
  NetworkState state = NetworkState::kOk;
  HRESULT fail_code = SMS_E_NO_NETWORK;  // a failure code (negative)
};

NetworkSetting ReadNetworkSetting();
// False when the registry cannot be written or a kFail code is not a failure code.
bool WriteNetworkSetting(const NetworkSetting& setting);
const char* NetworkStateName(NetworkState state);
std::optional<NetworkState> ParseNetworkState(std::string_view name);

// The transport of an open handle, or null with `failure` set when the network is
// unavailable.
std::unique_ptr<SmsTransport> OpenSimulatedNetwork(HRESULT& failure);

struct RecordedSms {
  int64_t unix_seconds = 0;
  std::u16string destination;
  uint32_t address_type = 0;
  std::u16string text;
  std::string encoding;  // "gsm7" or "ucs2"
  int parts = 0;
  bool status_report = false;
  uint32_t message_class = 0;
};

// Oldest first; nullopt when the record cannot be read.
std::optional<std::vector<RecordedSms>> ReadOutgoingSms();
bool ClearOutgoingSms();

}  // namespace platform::sms
