#include "platform/pim/PimWatcher.h"

#include <chrono>
#include <vector>

#include "platform/Sqlite.h"
#include "platform/pim/PimSession.h"

namespace platform::pim {

PimWatcher::PimWatcher(PimSession* session, std::string path, int64_t writer, int64_t last_sequence)
    : session_(session), path_(std::move(path)), writer_(writer), last_sequence_(last_sequence) {
  thread_ = std::thread([this] { Run(); });
}

PimWatcher::~PimWatcher() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void PimWatcher::Run() {
  // The connection belongs to this thread alone.
  Database db(path_);
  if (!db.ok()) return;
  // No version is taken as seen: changes committed between the logon (which fixed
  // last_sequence_) and this thread's start must still be read on the first round.
  int64_t seen_version = -1;
  Statement query = db.Prepare(
      "SELECT seq, oid, kind, writer FROM changes WHERE seq > ? ORDER BY seq LIMIT 1000");
  for (;;) {
    {
      std::unique_lock lock(mutex_);
      wake_.wait_for(lock, std::chrono::milliseconds(kPollMilliseconds), [this] { return stop_; });
      if (stop_) return;
    }
    int64_t version = db.DataVersion();
    if (version == seen_version) continue;
    seen_version = version;
    struct Entry {
      int64_t oid, kind, writer;
    };
    std::vector<Entry> entries;
    query.Reset();
    query.Bind(1, last_sequence_);
    while (query.Step()) {
      last_sequence_ = query.Int(0);
      entries.push_back({query.Int(1), query.Int(2), query.Int(3)});
    }
    if (entries.size() == 1000) seen_version = -1;  // more to read on the next round
    for (const Entry& e : entries) {
      if (e.writer == writer_ || e.kind < 0 || e.kind > 2 || e.oid <= 0 || e.oid > 0xFFFFFFFF) {
        continue;
      }
      session_->DeliverRemote(static_cast<ChangeKind>(e.kind), static_cast<ObjectId>(e.oid));
    }
  }
}

}  // namespace platform::pim
