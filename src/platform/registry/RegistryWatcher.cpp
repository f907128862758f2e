#include "platform/registry/RegistryWatcher.h"

#include <algorithm>
#include <chrono>

#include "platform/Sqlite.h"
#include "platform/registry/RegistryStore.h"

namespace platform {

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(50);

bool SameState(const RegistryWatcher::State& a, const RegistryWatcher::State& b) {
  if (a.has_value() != b.has_value()) return false;
  return !a || (a->type == b->type && a->data == b->data);
}

}  // namespace

class RegistryWatcher::Handle : public RegistryWatch {
 public:
  Handle(std::shared_ptr<RegistryWatcher> watcher, std::shared_ptr<Entry> entry)
      : watcher_(std::move(watcher)), entry_(std::move(entry)) {}
  ~Handle() override { watcher_->Remove(entry_); }

 private:
  std::shared_ptr<RegistryWatcher> watcher_;
  std::shared_ptr<Entry> entry_;
};

RegistryWatcher::RegistryWatcher(std::string path) : path_(std::move(path)) {}

RegistryWatcher::~RegistryWatcher() {
  Stop();
}

std::unique_ptr<RegistryWatch> RegistryWatcher::Add(RegistryRoot root,
                                                    std::vector<std::u16string> key,
                                                    std::u16string name, State initial,
                                                    std::function<void()> callback) {
  auto entry = std::make_shared<Entry>(
      Entry{root, std::move(key), std::move(name), std::move(initial), std::move(callback)});
  {
    std::lock_guard lock(mutex_);
    if (stop_) return nullptr;
    entries_.push_back(entry);
    poked_ = true;
    if (!thread_.joinable()) {
      // The thread keeps the watcher alive, so that a callback may drop the last handle.
      thread_ = std::thread([self = shared_from_this()] { self->Run(); });
      thread_id_ = thread_.get_id();
    }
  }
  wake_.notify_all();
  return std::make_unique<Handle>(shared_from_this(), std::move(entry));
}

void RegistryWatcher::Remove(const std::shared_ptr<Entry>& entry) {
  std::unique_lock lock(mutex_);
  std::erase(entries_, entry);
  if (std::this_thread::get_id() == thread_id_) return;  // from its own callback
  fired_.wait(lock, [&] { return firing_ != entry.get(); });
}

void RegistryWatcher::Poke() {
  {
    std::lock_guard lock(mutex_);
    poked_ = true;
  }
  wake_.notify_all();
}

void RegistryWatcher::Stop() {
  bool on_watcher_thread;
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
    on_watcher_thread = std::this_thread::get_id() == thread_id_;
  }
  wake_.notify_all();
  if (!thread_.joinable()) return;
  // From a callback the loop ends by itself once the callback returns.
  if (on_watcher_thread) {
    thread_.detach();
  } else {
    thread_.join();
  }
}

// Sleeps until the next poll (or forever while nothing is watched). False when stopping.
bool RegistryWatcher::WaitForWork(std::unique_lock<std::mutex>& lock) {
  auto ready = [&] { return stop_ || poked_; };
  if (entries_.empty()) {
    wake_.wait(lock, [&] { return stop_ || !entries_.empty(); });
  } else {
    wake_.wait_for(lock, kPollInterval, ready);
  }
  return !stop_;
}

void RegistryWatcher::Run() {
  // The thread's own connection; it is retried while the store cannot be opened.
  std::unique_ptr<Database> db;
  int64_t seen_version = -1;
  std::unique_lock lock(mutex_);
  while (WaitForWork(lock)) {
    bool poked = poked_;
    poked_ = false;
    lock.unlock();
    if (!db) {
      db = std::make_unique<Database>(path_);
      if (!db->ok()) db.reset();
    }
    if (db) {
      int64_t version = db->DataVersion();
      if (poked || version != seen_version) {
        seen_version = version;
        CheckAll(*db);
      }
    }
    lock.lock();
  }
}

void RegistryWatcher::CheckAll(Database& db) {
  std::vector<std::shared_ptr<Entry>> entries;
  {
    std::lock_guard lock(mutex_);
    entries = entries_;
  }
  RegistryStore store(db);
  for (const auto& entry : entries) {
    State now;
    if (auto key = store.FindKey(entry->root, entry->key)) now = store.GetValue(*key, entry->name);
    if (SameState(entry->last, now)) continue;
    entry->last = std::move(now);
    Fire(entry);
  }
}

void RegistryWatcher::Fire(const std::shared_ptr<Entry>& entry) {
  {
    std::lock_guard lock(mutex_);
    if (stop_ || std::find(entries_.begin(), entries_.end(), entry) == entries_.end()) return;
    firing_ = entry.get();
  }
  entry->callback();
  {
    std::lock_guard lock(mutex_);
    firing_ = nullptr;
  }
  fired_.notify_all();
}

}  // namespace platform
