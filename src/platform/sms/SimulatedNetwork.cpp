#include "platform/sms/SimulatedNetwork.h"

#include <charconv>

#include "platform/ServiceLog.h"
#include "platform/Text.h"
#include "platform/registry/Registry.h"

namespace platform::sms {

namespace {

constexpr char16_t kNetworkKey[] = u"Software\\Quillbook\\Platform\\SimulatedNetwork";
constexpr char16_t kStateValue[] = u"State";
constexpr char16_t kFailCodeValue[] = u"FailCode";

constexpr NetworkState kStates[] = {NetworkState::kOk, NetworkState::kOff, NetworkState::kFail,
                                    NetworkState::kUnavailable};

ServiceLog OutgoingLog() {
  return ServiceLog("sms.db", {"destination", "address_type", "text", "encoding", "parts",
                               "status_report", "message_class"});
}

uint32_t NumberField(const std::u16string& text) {
  const std::string digits = ToUtf8(text);
  uint32_t value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

// A destination the network can route: digits after an optional leading "+", with the
// usual spaces, dashes, dots and brackets between them; 1 to 20 digits.
bool IsRoutable(std::u16string_view address) {
  size_t digits = 0;
  for (size_t i = 0; i < address.size(); ++i) {
    const char16_t c = address[i];
    if (c >= u'0' && c <= u'9') {
      ++digits;
    } else if (c == u'+') {
      if (digits != 0) return false;
      if (address.find_first_not_of(u" ") != i) return false;
    } else if (c != u' ' && c != u'-' && c != u'.' && c != u'(' && c != u')') {
      return false;
    }
  }
  return digits >= 1 && digits <= 20;
}

class SimulatedTransport : public SmsTransport {
 public:
  HRESULT Submit(const SmsSubmission& sms, SmsSubmitted& /*submitted*/) override {
    if (!IsRoutable(sms.destination)) return SMS_E_INVALID_ADDRESS;
    const NetworkSetting setting = ReadNetworkSetting();
    switch (setting.state) {
      case NetworkState::kOk:
        break;
      case NetworkState::kOff:
      case NetworkState::kUnavailable:  // switched off while the handle was open
        return SMS_E_NO_NETWORK;
      case NetworkState::kFail:
        return setting.fail_code;
    }
    const bool recorded =
        OutgoingLog().Append({sms.destination, ToU16(sms.address_type), sms.text,
                              FromUtf8(AlphabetName(sms.length.alphabet)), ToU16(sms.length.parts),
                              sms.status_report ? u"1" : u"0", ToU16(sms.message_class)});
    return recorded ? 0 : SMS_E_RECORD_FAILED;
  }
};

}  // namespace

NetworkSetting ReadNetworkSetting() {
  NetworkSetting setting;
  if (auto name = ReadRegistryString(HKEY_LOCAL_MACHINE, kNetworkKey, kStateValue)) {
    setting.state = ParseNetworkState(ToUtf8(ToLower(Trim(*name)))).value_or(NetworkState::kOk);
  }
  if (auto code = ReadRegistryDword(HKEY_LOCAL_MACHINE, kNetworkKey, kFailCodeValue)) {
    if (SmsFailed(static_cast<HRESULT>(*code))) setting.fail_code = static_cast<HRESULT>(*code);
  }
  return setting;
}

bool WriteNetworkSetting(const NetworkSetting& setting) {
  if (setting.state == NetworkState::kFail && !SmsFailed(setting.fail_code)) return false;
  return WriteRegistryDword(HKEY_LOCAL_MACHINE, kNetworkKey, kFailCodeValue,
                            static_cast<uint32_t>(setting.fail_code)) &&
         WriteRegistryString(HKEY_LOCAL_MACHINE, kNetworkKey, kStateValue,
                             FromUtf8(NetworkStateName(setting.state)));
}

const char* NetworkStateName(NetworkState state) {
  switch (state) {
    case NetworkState::kOk:
      return "ok";
    case NetworkState::kOff:
      return "off";
    case NetworkState::kFail:
      return "fail";
    case NetworkState::kUnavailable:
      return "unavailable";
  }
  return "ok";
}

std::optional<NetworkState> ParseNetworkState(std::string_view name) {
  for (NetworkState state : kStates) {
    if (name == NetworkStateName(state)) return state;
  }
  return std::nullopt;
}

std::unique_ptr<SmsTransport> OpenSimulatedNetwork(HRESULT& failure) {
  if (ReadNetworkSetting().state == NetworkState::kUnavailable) {
    failure = SMS_E_SERVICE_UNAVAILABLE;
    return nullptr;
  }
  failure = 0;
  return std::make_unique<SimulatedTransport>();
}

std::optional<std::vector<RecordedSms>> ReadOutgoingSms() {
  auto entries = OutgoingLog().Read();
  if (!entries) return std::nullopt;
  std::vector<RecordedSms> list;
  for (ServiceLog::Entry& entry : *entries) {
    RecordedSms sms;
    sms.unix_seconds = entry.unix_seconds;
    sms.destination = std::move(entry.fields[0]);
    sms.address_type = NumberField(entry.fields[1]);
    sms.text = std::move(entry.fields[2]);
    sms.encoding = ToUtf8(entry.fields[3]);
    sms.parts = static_cast<int>(NumberField(entry.fields[4]));
    sms.status_report = entry.fields[5] == u"1";
    sms.message_class = NumberField(entry.fields[6]);
    list.push_back(std::move(sms));
  }
  return list;
}

bool ClearOutgoingSms() {
  return OutgoingLog().Clear();
}

}  // namespace platform::sms
