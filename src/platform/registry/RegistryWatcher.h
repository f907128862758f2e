// One thread per registry store that notices value changes, including those committed by
// other processes: it polls the store's data version on a connection of its own about every
// 50 ms (and at once after a write of this process), and when it moved re-reads every watched
// value and calls the callbacks of those whose type or data changed.
//
// Threads: Add, Remove and Poke may be called from any thread; callbacks run on the watcher
// thread, one at a time. Remove waits for a running callback of that watch to return, unless
// it is called from that callback.
#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/registry/Registry.h"

namespace platform {

class Database;

class RegistryWatcher : public std::enable_shared_from_this<RegistryWatcher> {
 public:
  // What a watch last saw: nullopt while the value (or its key) does not exist.
  using State = std::optional<RegistryValue>;

  explicit RegistryWatcher(std::string path);
  ~RegistryWatcher();
  RegistryWatcher(const RegistryWatcher&) = delete;
  RegistryWatcher& operator=(const RegistryWatcher&) = delete;

  // Starts watching from the state given (read by the caller just before).
  std::unique_ptr<RegistryWatch> Add(RegistryRoot root, std::vector<std::u16string> key,
                                     std::u16string name, State initial,
                                     std::function<void()> callback);
  // A write of this process committed: check soon rather than at the next poll.
  void Poke();
  // Ends the thread; callbacks no longer run. Called by the owning registry.
  void Stop();

 private:
  struct Entry {
    RegistryRoot root;
    std::vector<std::u16string> key;
    std::u16string name;
    State last;  // touched only by the watcher thread once added
    std::function<void()> callback;
  };
  class Handle;

  void Remove(const std::shared_ptr<Entry>& entry);
  void Run();
  bool WaitForWork(std::unique_lock<std::mutex>& lock);
  void CheckAll(Database& db);
  void Fire(const std::shared_ptr<Entry>& entry);

  const std::string path_;
  std::mutex mutex_;
  std::condition_variable wake_;                 // new watch, poke or stop
  std::condition_variable fired_;                // a callback returned
  std::vector<std::shared_ptr<Entry>> entries_;  // guarded by mutex_
  Entry* firing_ = nullptr;                      // guarded by mutex_
  bool poked_ = false;                           // guarded by mutex_
  bool stop_ = false;                            // guarded by mutex_
  std::thread::id thread_id_;                    // guarded by mutex_
  std::thread thread_;  // started by the first Add; joined or detached by Stop
};

}  // namespace platform
