#include "platform/sms/SmsService.h"

#include <atomic>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/ServiceBackend.h"
#include "platform/modem/ModemNetwork.h"
#include "platform/sms/SimulatedNetwork.h"
#include "platform/sms/SmsTransport.h"

namespace platform::sms {

namespace {

// Open handles and their transports. A transport is shared so that a send in progress keeps
// it alive while another thread closes the handle.
struct Handles {
  std::mutex mutex;
  std::map<SMS_HANDLE, std::shared_ptr<SmsTransport>> open;
  SMS_HANDLE next = 1;
};

Handles& OpenHandles() {
  static Handles handles;
  return handles;
}

std::shared_ptr<SmsTransport> Find(SMS_HANDLE handle) {
  Handles& handles = OpenHandles();
  std::lock_guard lock(handles.mutex);
  auto it = handles.open.find(handle);
  return it == handles.open.end() ? nullptr : it->second;
}

// The message references of the latest sends, oldest first.
struct References {
  std::mutex mutex;
  std::deque<std::pair<SMS_MESSAGE_ID, uint32_t>> latest;
};
constexpr size_t kKeptReferences = 64;

References& SentReferences() {
  static References references;
  return references;
}

// The address up to its terminator, or all 256 units when it has none.
std::u16string_view AddressText(const SMS_ADDRESS& address) {
  std::u16string_view text(address.ptsAddress, SMS_MAX_ADDRESS_LENGTH);
  return text.substr(0, text.find(u'\0'));
}

// Longest text accepted at all: every part full of 7-bit characters.
constexpr uint32_t kMaxDataBytes = 2u * kMaxSmsParts * 153;

}  // namespace

HRESULT SmsOpen(const char16_t* protocol, uint32_t mode, SMS_HANDLE* handle) {
  if (!protocol || !handle || std::u16string_view(protocol) != kTextSmsProtocol ||
      (mode & SMS_MODE_SEND) == 0) {
    return SMS_E_INVALIDARG;
  }
  *handle = 0;
  HRESULT failure = SMS_E_SERVICE_UNAVAILABLE;
  std::unique_ptr<SmsTransport> transport;
  switch (ReadServiceBackend(PlatformService::kSms)) {
    case ServiceBackend::kSimulated:
      transport = OpenSimulatedNetwork(failure);
      break;
    case ServiceBackend::kModem:
      transport = modem::OpenModemNetwork();
      break;
    case ServiceBackend::kDesktop:
      break;
  }
  if (!transport) return failure;
  Handles& handles = OpenHandles();
  std::lock_guard lock(handles.mutex);
  *handle = handles.next++;
  if (handles.next == 0) handles.next = 1;
  handles.open.emplace(*handle, std::move(transport));
  return 0;
}

HRESULT SmsSendMessage(SMS_HANDLE handle, const SMS_ADDRESS* smsc, const SMS_ADDRESS* destination,
                       const void* validity, const uint8_t* data, uint32_t data_size,
                       const uint8_t* provider_data, uint32_t provider_data_size, uint32_t encoding,
                       uint32_t /*options*/, SMS_MESSAGE_ID* message_id) {
  static std::atomic<SMS_MESSAGE_ID> last_id{0};
  std::shared_ptr<SmsTransport> transport = Find(handle);
  if (!transport) return SMS_E_HANDLE;
  if (smsc || validity || !destination || (!data && data_size != 0) || data_size % 2 != 0 ||
      !provider_data || provider_data_size != kTextProviderDataSize || encoding != SMSDE_OPTIMAL) {
    return SMS_E_INVALIDARG;
  }
  if (data_size > kMaxDataBytes) return SMS_E_TOO_LONG;
  TEXT_PROVIDER_SPECIFIC_DATA provider;
  std::memcpy(&provider, provider_data, sizeof provider);
  SmsSubmission submission;
  submission.destination = AddressText(*destination);
  submission.address_type = destination->smsatAddressType;
  submission.text.resize(data_size / 2);
  if (data_size != 0) std::memcpy(submission.text.data(), data, data_size);
  submission.length = MeasureSms(submission.text);
  if (submission.length.parts > kMaxSmsParts) return SMS_E_TOO_LONG;
  submission.status_report = (provider.dwMessageOptions & PS_MESSAGE_OPTION_STATUSREPORT) != 0;
  submission.message_class = provider.psMessageClass;
  SmsSubmitted submitted;
  const HRESULT hr = transport->Submit(submission, submitted);
  if (SmsFailed(hr)) return hr;
  const SMS_MESSAGE_ID id = ++last_id;
  if (message_id) *message_id = id;
  if (submitted.message_reference) {
    References& references = SentReferences();
    std::lock_guard lock(references.mutex);
    references.latest.emplace_back(id, *submitted.message_reference);
    if (references.latest.size() > kKeptReferences) references.latest.pop_front();
  }
  return hr;
}

HRESULT SmsClose(SMS_HANDLE handle) {
  Handles& handles = OpenHandles();
  std::lock_guard lock(handles.mutex);
  return handles.open.erase(handle) != 0 ? 0 : SMS_E_HANDLE;
}

std::optional<uint32_t> SmsMessageReference(SMS_MESSAGE_ID id) {
  References& references = SentReferences();
  std::lock_guard lock(references.mutex);
  for (const auto& [sent, reference] : references.latest) {
    if (sent == id) return reference;
  }
  return {};
}

bool SmsSendMayBlock() {
  return ReadServiceBackend(PlatformService::kSms) == ServiceBackend::kModem;
}

}  // namespace platform::sms
