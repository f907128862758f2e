// The SMS count thread and its guard. At most one counter thread runs at a time. A request
// that arrives while it runs starts no second thread but is not lost either: the running
// thread makes one more pass before it ends. The flags are guarded by one mutex, so a request
// that races with the thread's end either joins the running pass or starts a new thread.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace shell {

class SmsCounter {
 public:
  // `pass` runs on the counter thread: one recount and its report (a posted repaint).
  explicit SmsCounter(std::function<void()> pass);
  // Waits for a running thread (its last pass included).
  ~SmsCounter();
  SmsCounter(const SmsCounter&) = delete;
  SmsCounter& operator=(const SmsCounter&) = delete;

  // UI thread. True when a thread was started; false when one runs (it will pass again).
  bool RequestRecount();
  // UI thread. Records the Inbox version last seen; true when it differs from the one
  // recorded before (a change of the Inbox, whether or not the unread count moved).
  bool NoteInboxVersion(std::optional<uint32_t> version);
  bool Running() const;

 private:
  void Run();

  std::function<void()> pass_;
  mutable std::mutex mutex_;
  bool running_ = false;  // guarded by mutex_: a thread runs or is about to
  bool again_ = false;    // guarded by mutex_: a request arrived during the current pass
  std::thread thread_;    // touched by the UI thread only
  std::optional<uint32_t> inbox_version_;  // UI thread
};

}  // namespace shell
