// The UI thread's queue of posted messages and posted tasks, in posting order. Posting is safe
// from any thread; taking is done by the UI thread only. A wake callback (set once, before
// other threads post) tells the loop that something arrived while it sleeps.
#pragma once

#include <deque>
#include <functional>
#include <mutex>
#include <optional>

#include "platform/ui/Msg.h"

namespace platform::ui {

class MessageQueue {
 public:
  struct Item {
    MSG msg;
    std::function<void()> task;  // set for a posted task; msg is then unused
  };

  void SetWakeCallback(std::function<void()> wake) { wake_ = std::move(wake); }

  void Post(const MSG& msg);
  void PostTask(std::function<void()> task);
  std::optional<Item> TryTake();
  bool Empty() const;
  size_t Size() const;

  // Removes queued messages for which `match` is true (the PeekMessage-style flush); returns
  // how many were removed. Tasks are never removed.
  size_t Remove(const std::function<bool(const MSG&)>& match);

 private:
  void Push(Item item);

  mutable std::mutex mutex_;
  std::deque<Item> items_;  // guarded by mutex_
  std::function<void()> wake_;
};

}  // namespace platform::ui
