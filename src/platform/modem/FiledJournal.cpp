#include "platform/modem/FiledJournal.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "platform/Paths.h"

namespace platform::modem {

namespace {

constexpr size_t kLineBytes = 17;  // 16 hex digits and a newline

// FNV-1a over the parts, each followed by a 0 byte so that ("ab", "c") and ("a", "bc") differ.
uint64_t Hash(std::initializer_list<std::string_view> parts) {
  uint64_t hash = 14695981039346656037ull;
  for (std::string_view part : parts) {
    for (unsigned char byte : part) hash = (hash ^ byte) * 1099511628211ull;
    hash *= 1099511628211ull;
  }
  return hash;
}

}  // namespace

FiledJournal::FiledJournal(std::string path) : path_(std::move(path)) {
  std::string bytes;
  if (!ReadFileBytes(path_, bytes, 2 * kMaxFiledKeys * kLineBytes)) return;
  std::string_view rest(bytes);
  while (!rest.empty()) {
    const size_t end = std::min(rest.find('\n'), rest.size());
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    uint64_t key = 0;
    auto [last, error] = std::from_chars(line.data(), line.data() + line.size(), key, 16);
    if (error == std::errc() && last == line.data() + line.size() && line.size() == 16) {
      keys_.push_back(key);
    }
  }
  while (keys_.size() > kMaxFiledKeys) keys_.pop_front();
}

std::optional<uint64_t> FiledJournal::KeyOf(const ModemSms& sms) {
  if (sms.timestamp.empty()) return std::nullopt;
  return Hash({sms.number, sms.timestamp, sms.text});
}

bool FiledJournal::Contains(uint64_t key) const {
  return std::find(keys_.begin(), keys_.end(), key) != keys_.end();
}

bool FiledJournal::Add(uint64_t key) {
  keys_.push_back(key);
  if (keys_.size() > kMaxFiledKeys) keys_.pop_front();
  std::string text;
  text.reserve(keys_.size() * kLineBytes);
  for (uint64_t each : keys_) {
    char line[16];
    const size_t digits = static_cast<size_t>(std::to_chars(line, line + 16, each, 16).ptr - line);
    text.append(16 - digits, '0').append(line, digits).push_back('\n');
  }
  return WriteFileAtomically(path_, text);
}

}  // namespace platform::modem
