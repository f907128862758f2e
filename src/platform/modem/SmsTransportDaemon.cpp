#include "platform/modem/SmsTransportDaemon.h"

#include <glib-unix.h>
#include <libmm-glib.h>

#include <atomic>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/PhoneState.h"
#include "platform/modem/FiledJournal.h"
#include "platform/modem/GHandles.h"
#include "platform/modem/ModemSms.h"
#include "platform/msgstore/MapiDefs.h"
#include "platform/msgstore/SmsDelivery.h"
#include "platform/msgstore/SmsFiling.h"
#include "platform/registry/Registry.h"

namespace platform::modem {

namespace {

void Log(const std::string& text) {
  std::fprintf(stderr, "qbphoned: %s\n", text.c_str());
}

std::string Text(const char* text) {
  return text ? text : "";
}

ModemSms PropertiesOf(MMSms* sms) {
  ModemSms props;
  props.state = mm_sms_get_state(sms);
  props.pdu_type = mm_sms_get_pdu_type(sms);
  props.number = Text(mm_sms_get_number(sms));
  props.text = Text(mm_sms_get_text(sms));
  props.timestamp = Text(mm_sms_get_timestamp(sms));
  props.message_reference = mm_sms_get_message_reference(sms);
  props.delivery_state = mm_sms_get_delivery_state(sms);
  return props;
}

void WriteSignal(uint32_t quality) {
  WriteRegistryDword(HKEY_LOCAL_MACHINE, kPhoneStateKey, kSignalStrengthValue,
                     std::min<uint32_t>(quality, 100));
}

}  // namespace

class SmsTransportDaemon::Impl {
 public:
  explicit Impl(TransportOptions options) : options_(options) {}
  ~Impl() {
    modems_.clear();
    receiving_.clear();
    if (manager_) {
      g_signal_handlers_disconnect_by_data(manager_.get(), this);
    }
  }

  int Run() {
    GErrorPtr error;
    GError* raw = nullptr;
    GObjectPtr<GDBusConnection> bus(g_bus_get_sync(G_BUS_TYPE_SYSTEM, nullptr, &raw));
    error.reset(raw);
    if (!bus) {
      Log("cannot reach the system bus: " + Text(error ? error->message : nullptr));
      return 1;
    }
    raw = nullptr;
    manager_.reset(mm_manager_new_sync(
        bus.get(), G_DBUS_OBJECT_MANAGER_CLIENT_FLAGS_DO_NOT_AUTO_START, nullptr, &raw));
    error.reset(raw);
    if (!manager_) {
      Log("cannot watch ModemManager: " + Text(error ? error->message : nullptr));
      return 1;
    }
    auto* object_manager = G_DBUS_OBJECT_MANAGER(manager_.get());
    g_signal_connect(object_manager, "object-added", G_CALLBACK(OnObjectChanged), this);
    g_signal_connect(object_manager, "object-removed", G_CALLBACK(OnObjectRemoved), this);
    g_signal_connect(object_manager, "interface-added", G_CALLBACK(OnInterfaceChanged), this);
    g_signal_connect(object_manager, "interface-removed", G_CALLBACK(OnInterfaceChanged), this);
    WriteSignal(0);
    journal_ = std::make_unique<FiledJournal>(DeviceDir() + "/qbphoned-filed");
    GObjectList objects(g_dbus_object_manager_get_objects(object_manager));
    for (GList* it = objects.get(); it; it = it->next) Refresh(MM_OBJECT(it->data));

    loop_.reset(g_main_loop_new(nullptr, FALSE));
    const guint term = g_unix_signal_add(SIGTERM, OnQuit, this);
    const guint interrupt = g_unix_signal_add(SIGINT, OnQuit, this);
    const guint period = static_cast<guint>(std::clamp(options_.stale_parts_seconds / 2, 1, 60));
    const guint sweep = g_timeout_add_seconds(period, OnSweep, this);
    Log("watching ModemManager");
    if (!stop_requested_) g_main_loop_run(loop_.get());
    g_source_remove(sweep);
    g_source_remove(interrupt);
    g_source_remove(term);
    return 0;
  }

  // The quit waits on the default context that Run's loop runs, so it cannot come too early.
  void Stop() {
    stop_requested_ = true;
    g_idle_add(OnStop, this);
  }

 private:
  struct MainLoopUnref {
    void operator()(GMainLoop* loop) const { g_main_loop_unref(loop); }
  };

  // One modem with messaging: its signals are connected while it is here.
  struct Modem {
    Modem(Impl& owner, MMObject* object)
        : object(Ref(object)),
          modem(Ref(mm_object_peek_modem(object))),
          messaging(Ref(mm_object_peek_modem_messaging(object))),
          path(Text(g_dbus_object_get_object_path(G_DBUS_OBJECT(object)))) {
      // "Added" comes before the modem's list holds the new SMS; the list's change comes
      // after, so that is when the list is read.
      added = g_signal_connect(messaging.get(), "notify::messages", G_CALLBACK(OnMessagesChanged),
                               &owner);
      if (modem) {
        quality = g_signal_connect(modem.get(), "notify::signal-quality",
                                   G_CALLBACK(OnSignalQuality), &owner);
      }
    }
    ~Modem() {
      g_signal_handler_disconnect(messaging.get(), added);
      if (modem) g_signal_handler_disconnect(modem.get(), quality);
    }
    Modem(const Modem&) = delete;
    Modem& operator=(const Modem&) = delete;

    GObjectPtr<MMObject> object;
    GObjectPtr<MMModem> modem;
    GObjectPtr<MMModemMessaging> messaging;
    std::string path;
    gulong added = 0;
    gulong quality = 0;
    Cancellable calls;  // cancelled when the modem goes
    bool listing = false;
    bool list_again = false;
  };

  // A multipart SMS whose parts are still arriving.
  struct Receiving {
    Receiving(Impl& owner, MMSms* sms, std::string modem_path)
        : sms(Ref(sms)), modem(std::move(modem_path)), since(Clock::UnixSeconds()) {
      handler = g_signal_connect(sms, "notify::state", G_CALLBACK(OnSmsState), &owner);
    }
    ~Receiving() { g_signal_handler_disconnect(sms.get(), handler); }
    Receiving(const Receiving&) = delete;
    Receiving& operator=(const Receiving&) = delete;

    GObjectPtr<MMSms> sms;
    std::string modem;
    int64_t since;
    gulong handler = 0;
  };

  static void OnObjectChanged(GDBusObjectManager*, GDBusObject* object, Impl* self) {
    self->Refresh(MM_OBJECT(object));
  }
  static void OnInterfaceChanged(GDBusObjectManager*, GDBusObject* object, GDBusInterface*,
                                 Impl* self) {
    self->Refresh(MM_OBJECT(object));
  }
  static void OnObjectRemoved(GDBusObjectManager*, GDBusObject* object, Impl* self) {
    self->Forget(Text(g_dbus_object_get_object_path(object)));
  }
  static void OnMessagesChanged(MMModemMessaging* messaging, GParamSpec*, Impl* self) {
    self->List(Text(mm_modem_messaging_get_path(messaging)));
  }
  static void OnSignalQuality(MMModem*, GParamSpec*, Impl* self) { self->UpdateSignal(); }
  static void OnSmsState(MMSms* sms, GParamSpec*, Impl* self) { self->StateChanged(sms); }
  static gboolean OnQuit(gpointer self) {
    g_main_loop_quit(static_cast<Impl*>(self)->loop_.get());
    return G_SOURCE_CONTINUE;
  }
  static gboolean OnStop(gpointer self) {
    // Only the thread in Run dispatches the default context's sources; the loop may be null
    // when a blocking call during start-up dispatched it.
    if (auto* loop = static_cast<Impl*>(self)->loop_.get()) g_main_loop_quit(loop);
    return G_SOURCE_REMOVE;
  }
  static gboolean OnSweep(gpointer self) {
    static_cast<Impl*>(self)->RemoveStaleParts();
    return G_SOURCE_CONTINUE;
  }

  // Takes up a modem that has messaging, lets go of one that lost it.
  void Refresh(MMObject* object) {
    if (!object || !MM_IS_OBJECT(object)) return;
    const std::string path = Text(g_dbus_object_get_object_path(G_DBUS_OBJECT(object)));
    const bool has_messaging = mm_object_peek_modem_messaging(object) != nullptr;
    const bool known = modems_.contains(path);
    if (has_messaging && !known) {
      modems_.emplace(path, std::make_unique<Modem>(*this, object));
      Log("modem " + path + " is here");
      List(path);
    } else if (!has_messaging && known) {
      Forget(path);
    }
    UpdateSignal();
  }

  void Forget(const std::string& path) {
    if (modems_.erase(path) == 0) return;
    Log("modem " + path + " is gone");
    std::erase_if(receiving_, [&](const auto& entry) { return entry.second->modem == path; });
    UpdateSignal();
  }

  void UpdateSignal() {
    uint32_t quality = 0;
    for (const auto& [path, modem] : modems_) {
      gboolean recent = FALSE;
      if (modem->modem)
        quality = std::max(quality, mm_modem_get_signal_quality(modem->modem.get(), &recent));
    }
    if (quality != last_signal_) {
      last_signal_ = quality;
      WriteSignal(quality);
    }
  }

  // Reads the modem's SMS; a list asked for while one runs is made once it has finished, so
  // no SMS added meanwhile is missed.
  void List(const std::string& modem_path) {
    auto it = modems_.find(modem_path);
    if (it == modems_.end()) return;
    Modem& modem = *it->second;
    if (modem.listing) {
      modem.list_again = true;
      return;
    }
    modem.listing = true;
    modem.list_again = false;
    mm_modem_messaging_list(modem.messaging.get(), modem.calls.get(), OnListed, this);
  }

  static void OnListed(GObject* source, GAsyncResult* result, gpointer data) {
    GError* raw = nullptr;
    GObjectList list(mm_modem_messaging_list_finish(MM_MODEM_MESSAGING(source), result, &raw));
    GErrorPtr error(raw);
    if (WasCancelled(error.get())) return;
    auto* self = static_cast<Impl*>(data);
    const std::string path = Text(mm_modem_messaging_get_path(MM_MODEM_MESSAGING(source)));
    auto it = self->modems_.find(path);
    if (it == self->modems_.end()) return;
    it->second->listing = false;
    if (error) Log("cannot list the SMS of " + path + ": " + Text(error->message));
    for (GList* sms = list.get(); sms; sms = sms->next) self->Take(MM_SMS(sms->data), path);
    // Taking an SMS may have removed the modem (it cannot today, but stay safe).
    it = self->modems_.find(path);
    if (it != self->modems_.end() && it->second->list_again) self->List(path);
  }

  void Take(MMSms* sms, const std::string& modem_path) {
    const std::string path = Text(mm_sms_get_path(sms));
    if (path.empty() || done_.contains(path)) return;
    const ModemSms props = PropertiesOf(sms);
    switch (ClassifySms(props)) {
      case SmsAction::kFile:
        receiving_.erase(path);
        File(props, path, modem_path);
        break;
      case SmsAction::kWait:
        if (!receiving_.contains(path)) {
          receiving_.emplace(path, std::make_unique<Receiving>(*this, sms, modem_path));
        }
        break;
      case SmsAction::kStatusReport:
        Report(props, path, modem_path);
        break;
      case SmsAction::kIgnore:
        break;
    }
  }

  void StateChanged(MMSms* sms) {
    auto it = receiving_.find(Text(mm_sms_get_path(sms)));
    if (it == receiving_.end()) return;
    const std::string modem = it->second->modem;
    if (ClassifySms(PropertiesOf(sms)) != SmsAction::kWait) Take(sms, modem);
  }

  void File(const ModemSms& props, const std::string& path, const std::string& modem_path) {
    std::optional<msgstore::SmsRecord> record = InboxRecord(props, Clock::UnixSeconds());
    const std::optional<uint64_t> key = FiledJournal::KeyOf(props);
    if (record && key && journal_->Contains(*key)) {
      Log("SMS " + path + " was filed before; deleted");
    } else if (record) {
      std::vector<uint8_t> entry_id;
      if (msgstore::Failed(msgstore::ReceiveSms(*record, entry_id))) {
        // Left on the modem: the next list (at the next arrival or start) files it.
        Log("cannot file SMS " + path + " (store error); it stays on the modem");
        return;
      }
      if (key && !journal_->Add(*key)) Log("cannot write the journal of filed SMS");
      Log("filed SMS " + path);
    } else {
      Log("SMS " + path + " has no usable sender; deleted unfiled");
    }
    done_.insert(path);
    Delete(path, modem_path);
  }

  void Report(const ModemSms& props, const std::string& path, const std::string& modem_path) {
    const DeliveryOutcome outcome = DeliveryOutcomeOf(props.delivery_state);
    if (outcome != DeliveryOutcome::kPending) {
      const std::optional<std::u16string> number = ModemNumber(props.number);
      const auto status = outcome == DeliveryOutcome::kDelivered ? msgstore::kSmsDeliveryDelivered
                                                                 : msgstore::kSmsDeliveryFailed;
      const bool marked =
          number && msgstore::MarkSmsDelivery(props.message_reference, *number, status);
      Log("status report " + path + " for reference " + std::to_string(props.message_reference) +
          (marked ? " marked its SMS" : " matches no SMS awaiting a report"));
    }
    done_.insert(path);
    Delete(path, modem_path);
  }

  void Delete(const std::string& path, const std::string& modem_path) {
    auto it = modems_.find(modem_path);
    if (it == modems_.end()) return;
    mm_modem_messaging_delete(it->second->messaging.get(), path.c_str(), it->second->calls.get(),
                              OnDeleted, nullptr);
  }

  static void OnDeleted(GObject* source, GAsyncResult* result, gpointer) {
    GError* raw = nullptr;
    mm_modem_messaging_delete_finish(MM_MODEM_MESSAGING(source), result, &raw);
    GErrorPtr error(raw);
    if (error && !WasCancelled(error.get())) Log("cannot delete an SMS: " + Text(error->message));
  }

  void RemoveStaleParts() {
    const int64_t now = Clock::UnixSeconds();
    std::vector<std::pair<std::string, std::string>> stale;
    for (const auto& [path, part] : receiving_) {
      if (now - part->since >= options_.stale_parts_seconds) stale.emplace_back(path, part->modem);
    }
    for (const auto& [path, modem] : stale) {
      receiving_.erase(path);
      done_.insert(path);
      Log("SMS " + path + " stayed incomplete; deleted");
      Delete(path, modem);
    }
  }

  TransportOptions options_;
  GObjectPtr<MMManager> manager_;
  std::unique_ptr<GMainLoop, MainLoopUnref> loop_;
  std::atomic<bool> stop_requested_{false};
  std::unique_ptr<FiledJournal> journal_;
  std::map<std::string, std::unique_ptr<Modem>> modems_;
  std::map<std::string, std::unique_ptr<Receiving>> receiving_;
  std::set<std::string> done_;  // SMS paths filed, reported or removed in this run
  uint32_t last_signal_ = UINT32_MAX;
};

SmsTransportDaemon::SmsTransportDaemon(TransportOptions options)
    : impl_(std::make_unique<Impl>(options)) {}
SmsTransportDaemon::~SmsTransportDaemon() = default;

int SmsTransportDaemon::Run() {
  return impl_->Run();
}

void SmsTransportDaemon::Stop() {
  impl_->Stop();
}

}  // namespace platform::modem
