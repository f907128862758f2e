#include "platform/ui/MessageQueue.h"

#include <algorithm>

namespace platform::ui {

void MessageQueue::Push(Item item) {
  {
    std::lock_guard lock(mutex_);
    items_.push_back(std::move(item));
  }
  if (wake_) wake_();
}

void MessageQueue::Post(const MSG& msg) {
  Push(Item{msg, nullptr});
}

void MessageQueue::PostTask(std::function<void()> task) {
  Push(Item{MSG{}, std::move(task)});
}

std::optional<MessageQueue::Item> MessageQueue::TryTake() {
  std::lock_guard lock(mutex_);
  if (items_.empty()) return std::nullopt;
  Item item = std::move(items_.front());
  items_.pop_front();
  return item;
}

bool MessageQueue::Empty() const {
  std::lock_guard lock(mutex_);
  return items_.empty();
}

size_t MessageQueue::Size() const {
  std::lock_guard lock(mutex_);
  return items_.size();
}

size_t MessageQueue::Remove(const std::function<bool(const MSG&)>& match) {
  std::lock_guard lock(mutex_);
  auto end = std::remove_if(items_.begin(), items_.end(),
                            [&](const Item& item) { return !item.task && match(item.msg); });
  size_t removed = static_cast<size_t>(items_.end() - end);
  items_.erase(end, items_.end());
  return removed;
}

}  // namespace platform::ui
