#include "platform/modem/ModemNetwork.h"

#include <libmm-glib.h>

#include <cstdio>
#include <string>

#include "platform/Text.h"
#include "platform/modem/GHandles.h"

namespace platform::modem {

namespace {

// A main context of this thread's own while it lives, so that the replies and property
// changes of one submission are dispatched here and nowhere else.
class PrivateContext {
 public:
  PrivateContext() : context_(g_main_context_new()) {
    g_main_context_push_thread_default(context_);
  }
  ~PrivateContext() {
    g_main_context_pop_thread_default(context_);
    g_main_context_unref(context_);
  }
  PrivateContext(const PrivateContext&) = delete;
  PrivateContext& operator=(const PrivateContext&) = delete;

  // Dispatches what has already arrived (property changes sent before a reply), without
  // waiting for anything more.
  void DispatchPending() {
    for (int i = 0; i < 64 && g_main_context_iteration(context_, FALSE); ++i) {
    }
  }

 private:
  GMainContext* context_;
};

void Log(const char* what, const GError* error) {
  std::fprintf(stderr, "quillbook: SMS through the modem: %s%s%s\n", what, error ? ": " : "",
               error ? error->message : "");
}

// The messaging interface of the first modem that has one.
GObjectPtr<MMModemMessaging> FirstMessaging(MMManager* manager) {
  GObjectList objects(g_dbus_object_manager_get_objects(G_DBUS_OBJECT_MANAGER(manager)));
  for (GList* it = objects.get(); it; it = it->next) {
    if (MMModemMessaging* messaging = mm_object_peek_modem_messaging(MM_OBJECT(it->data))) {
      return Ref(messaging);
    }
  }
  return nullptr;
}

class ModemNetwork final : public sms::SmsTransport {
 public:
  HRESULT Submit(const sms::SmsSubmission& submission, sms::SmsSubmitted& submitted) override {
    PrivateContext context;
    GError* raw = nullptr;
    GObjectPtr<GDBusConnection> bus(g_bus_get_sync(G_BUS_TYPE_SYSTEM, nullptr, &raw));
    GErrorPtr error(raw);
    if (!bus) {
      Log("no system bus", error.get());
      return sms::SMS_E_NO_NETWORK;
    }
    raw = nullptr;
    GObjectPtr<MMManager> manager(mm_manager_new_sync(
        bus.get(), G_DBUS_OBJECT_MANAGER_CLIENT_FLAGS_DO_NOT_AUTO_START, nullptr, &raw));
    error.reset(raw);
    GObjectPtr<MMModemMessaging> messaging = manager ? FirstMessaging(manager.get()) : nullptr;
    if (!messaging) {
      Log("no modem with messaging", error.get());
      return sms::SMS_E_NO_NETWORK;
    }
    GObjectPtr<MMSmsProperties> properties(mm_sms_properties_new());
    const std::string number = ToUtf8(submission.destination);
    const std::string text = ToUtf8(submission.text);
    mm_sms_properties_set_number(properties.get(), number.c_str());
    mm_sms_properties_set_text(properties.get(), text.c_str());
    if (submission.status_report) {
      mm_sms_properties_set_delivery_report_request(properties.get(), TRUE);
    }
    raw = nullptr;
    GObjectPtr<MMSms> sms(
        mm_modem_messaging_create_sync(messaging.get(), properties.get(), nullptr, &raw));
    error.reset(raw);
    if (!sms) {
      Log("the modem refused to create the SMS", error.get());
      return sms::SMS_E_SEND_FAILED;
    }
    raw = nullptr;
    const bool sent = mm_sms_send_sync(sms.get(), nullptr, &raw);
    error.reset(raw);
    if (sent) {
      context.DispatchPending();
      submitted.message_reference = mm_sms_get_message_reference(sms.get());
    } else {
      Log("the modem could not send the SMS", error.get());
    }
    // Ours is not the modem's to keep, sent or not (an unsent one would never go now).
    raw = nullptr;
    if (!mm_modem_messaging_delete_sync(messaging.get(), mm_sms_get_path(sms.get()), nullptr,
                                        &raw)) {
      error.reset(raw);
      Log("could not delete the SMS from the modem", error.get());
    }
    return sent ? 0 : sms::SMS_E_SEND_FAILED;
  }
};

}  // namespace

std::unique_ptr<sms::SmsTransport> OpenModemNetwork() {
  return std::make_unique<ModemNetwork>();
}

}  // namespace platform::modem
