// The phone's SMS transport on a Linux phone: watches ModemManager on the system bus and,
// for every modem with messaging,
// - files each received SMS in the Inbox of the SMS store once (a multipart SMS when it is
//   complete; SMS already on the modem when the transport starts, through the modem's list),
//   runs the rule clients, raises the unread count, then deletes the SMS from the modem,
//   because a full modem stops receiving; an SMS filed lately (FiledJournal.h) is deleted
//   without filing it again, as when the transport ended before the delete;
// - matches each status report to the Sent copy it is about, marks it, and deletes it;
// - removes SMS whose parts stopped arriving ("receiving" for longer than the stale time);
// - keeps HKEY_LOCAL_MACHINE "System\State\Phone" "Signal Strength Raw" in step with the
//   modem's signal quality (0 without a modem).
// Modems may come and go (ModemManager itself too); each is taken up when it appears.
// Everything runs on the calling thread's GLib main loop.
#pragma once

#include <memory>

namespace platform::modem {

struct TransportOptions {
  int stale_parts_seconds = 30 * 60;
};

class SmsTransportDaemon {
 public:
  explicit SmsTransportDaemon(TransportOptions options);
  ~SmsTransportDaemon();
  SmsTransportDaemon(const SmsTransportDaemon&) = delete;
  SmsTransportDaemon& operator=(const SmsTransportDaemon&) = delete;

  // Connects to the system bus and runs until SIGTERM or SIGINT: 0, or 1 when the bus cannot
  // be reached (the reason goes to standard error).
  int Run();
  // Ends Run from any thread (also when called before Run's loop started).
  void Stop();

 private:
  class Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform::modem
