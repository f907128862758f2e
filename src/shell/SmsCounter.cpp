#include "shell/SmsCounter.h"

namespace shell {

SmsCounter::SmsCounter(std::function<void()> pass) : pass_(std::move(pass)) {}

SmsCounter::~SmsCounter() {
  if (thread_.joinable()) thread_.join();
}

bool SmsCounter::RequestRecount() {
  {
    std::lock_guard lock(mutex_);
    if (running_) {
      again_ = true;
      return false;
    }
    running_ = true;
  }
  // A previous thread has cleared running_ as its very last step, so this join is short.
  if (thread_.joinable()) thread_.join();
  thread_ = std::thread([this] { Run(); });
  return true;
}

bool SmsCounter::NoteInboxVersion(std::optional<uint32_t> version) {
  if (version == inbox_version_) return false;
  inbox_version_ = version;
  return true;
}

bool SmsCounter::Running() const {
  std::lock_guard lock(mutex_);
  return running_;
}

void SmsCounter::Run() {
  for (;;) {
    pass_();
    std::lock_guard lock(mutex_);
    if (!again_) {
      running_ = false;
      return;
    }
    again_ = false;
  }
}

}  // namespace shell
