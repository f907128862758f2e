#include "messaging/SmsSending.h"

#include <cstdio>
#include <optional>

#include "contacts/ContactListItem.h"
#include "mapi/MAPIFolder.h"
#include "mapi/MAPIMessage.h"
#include "mapi/MAPIMsgStore.h"
#include "mapi/MAPISession.h"
#include "messaging/SMSMessage.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Text.h"
#include "platform/msgstore/SmsState.h"
#include "platform/registry/Registry.h"
#include "platform/sms/SmsService.h"
#include "platform/ui/WindowApi.h"
#include "platform/ui/WindowManager.h"
#include "theme/SettingManager.h"

namespace {

namespace sms = platform::sms;

constexpr char16_t kInboxSettingsKey[] = u"Software\\Microsoft\\Inbox\\Settings";

std::optional<uint32_t> InboxSetting(std::u16string_view name) {
  return platform::ReadRegistryDword(platform::HKEY_CURRENT_USER, kInboxSettingsKey, name);
}

void TellServiceUnavailable() {
  platform::ui::WindowManager* manager = platform::ui::WindowManager::Current();
  if (!manager) return;
  platform::ui::MessageBox(manager->MainWindow(),
                           u"Could not open a handle to the SMS text message service.", u"Error",
                           MB_OK);
}

// Files the copy of a sent SMS in Sent items; returns its entry, empty when a step failed.
// A delivery report asked for with a known message reference marks the copy as awaiting it.
CMAPIEntry FileSentCopy(const std::u16string& recipient_name, const std::u16string& text,
                        const std::u16string& number, FileTime time,
                        std::optional<uint32_t> awaited_report) {
  CMAPISession session;
  if (!session.Logon()) return {};
  std::unique_ptr<CMAPIMsgStore> store = session.OpenMsgStore(platform::msgstore::kSmsStoreName);
  std::unique_ptr<CMAPIFolder> sent =
      store ? store->GetMessageFolder(SpecialFolder::kSentItems) : nullptr;
  std::unique_ptr<CMAPIMessage> message = sent ? sent->CreateMessage() : nullptr;
  if (!message) return {};
  const CMAPIRecipient recipient{recipient_name, number, u"SMS", MAPI_TO};
  if (!message->SetRecipients({recipient}) || !message->SetSubject(text) ||
      !message->SetMessageFlags() || !message->SetDeliveryTime(time) ||
      (awaited_report && !message->SetAwaitingDeliveryReport(*awaited_report)) ||
      !message->Save()) {
    return {};
  }
  return message->GetEntryID();
}

std::u16string ErrorText(HRESULT code) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "%x", static_cast<unsigned>(code));
  return theme::Settings().txt_SMSSendingError + u" (" + platform::FromUtf8(hex) + u")";
}

}  // namespace

bool DeliveryReportRequested() {
  return InboxSetting(u"SMSDeliveryNotify") == 1u;
}

bool SaveSentItems() {
  return InboxSetting(u"SaveSent") != 0u;
}

SmsSendOutcome SubmitSms(const std::u16string& number, const std::u16string& text) {
  SmsSendOutcome outcome;
  outcome.report_asked = DeliveryReportRequested();
  // Nothing to send to, or nothing to send: a failure, never a send that went nowhere.
  if (number.empty()) {
    outcome.result = sms::SMS_E_INVALID_ADDRESS;
    return outcome;
  }
  if (text.empty()) {
    outcome.result = sms::SMS_E_INVALIDARG;
    return outcome;
  }
  sms::SMS_HANDLE handle = 0;
  HRESULT hr = sms::SmsOpen(sms::kTextSmsProtocol, sms::SMS_MODE_SEND, &handle);
  if (sms::SmsFailed(hr)) {
    outcome.result = hr;
    outcome.service_unavailable = true;
    return outcome;
  }
  sms::SMS_ADDRESS address;
  address.smsatAddressType = number[0] == u'+' ? sms::SMSAT_INTERNATIONAL : sms::SMSAT_UNKNOWN;
  number.copy(address.ptsAddress, sms::SMS_MAX_ADDRESS_LENGTH);
  sms::TEXT_PROVIDER_SPECIFIC_DATA provider;
  provider.dwMessageOptions =
      outcome.report_asked ? sms::PS_MESSAGE_OPTION_STATUSREPORT : sms::PS_MESSAGE_OPTION_NONE;
  provider.psMessageClass = sms::PS_MESSAGE_CLASS1;
  provider.psReplaceOption = sms::PSRO_NONE;
  sms::SMS_MESSAGE_ID id = 0;
  hr = sms::SmsSendMessage(
      handle, nullptr, &address, nullptr, reinterpret_cast<const uint8_t*>(text.data()),
      static_cast<uint32_t>(text.size() * 2), reinterpret_cast<const uint8_t*>(&provider),
      sizeof provider, sms::SMSDE_OPTIMAL, 0, &id);
  sms::SmsClose(handle);
  outcome.result = hr;
  if (!sms::SmsFailed(hr)) outcome.message_reference = sms::SmsMessageReference(id);
  return outcome;
}

HRESULT SmsSendText(const std::u16string& number, const std::u16string& text,
                    std::optional<uint32_t>* message_reference) {
  const SmsSendOutcome outcome = SubmitSms(number, text);
  if (outcome.service_unavailable) TellServiceUnavailable();
  if (message_reference) *message_reference = outcome.message_reference;
  return outcome.result;
}

std::unique_ptr<SMSMessage> FinishSend(const std::u16string& recipient_name,
                                       const std::u16string& text, const std::u16string& number,
                                       const SmsSendOutcome& outcome) {
  if (outcome.service_unavailable) TellServiceUnavailable();
  auto item = std::make_unique<SMSMessage>();
  item->outgoing = true;
  item->time = platform::msgstore::FileTimeFromUnixSeconds(platform::Clock::UnixSeconds());
  if (sms::SmsFailed(outcome.result)) {
    item->text = ErrorText(outcome.result);
    item->send_failed = true;
    item->unsent_text = text;
    return item;
  }
  item->text = text;
  if (SaveSentItems()) {
    item->entry = FileSentCopy(recipient_name, text, number, item->time,
                               outcome.report_asked ? outcome.message_reference : std::nullopt);
  }
  return item;
}

std::unique_ptr<SMSMessage> SendSms(const ContactListItem* contact, const std::u16string& text,
                                    const std::u16string& number) {
  return FinishSend(contact ? contact->display_name : std::u16string(), text, number,
                    SubmitSms(number, text));
}
