#include "platform/ui/RegisteredMessages.h"

#include <map>
#include <mutex>
#include <string>

namespace platform::ui {

namespace {

struct Table {
  std::mutex mutex;
  std::map<std::u16string, UINT> ids;
  UINT next = kFirstRegisteredMessage;
};

Table& GetTable() {
  static Table table;
  return table;
}

std::u16string FoldCase(std::u16string_view name) {
  std::u16string folded(name);
  for (char16_t& c : folded) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return folded;
}

}  // namespace

UINT RegisterWindowMessage(std::u16string_view name) {
  if (name.empty() || name.size() > kMaxMessageNameLength) return 0;
  Table& table = GetTable();
  std::lock_guard lock(table.mutex);
  auto [it, inserted] = table.ids.try_emplace(FoldCase(name), table.next);
  if (inserted) {
    if (table.next > kLastRegisteredMessage) {
      table.ids.erase(it);
      return 0;
    }
    ++table.next;
  }
  return it->second;
}

std::optional<UINT> FindRegisteredMessage(std::u16string_view name) {
  if (name.empty() || name.size() > kMaxMessageNameLength) return std::nullopt;
  Table& table = GetTable();
  std::lock_guard lock(table.mutex);
  auto it = table.ids.find(FoldCase(name));
  if (it == table.ids.end()) return std::nullopt;
  return it->second;
}

}  // namespace platform::ui
