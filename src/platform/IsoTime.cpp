#include "platform/IsoTime.h"

#include <chrono>

namespace platform {

namespace {

// Exactly `count` decimal digits at text[at...].
std::optional<int> Digits(std::string_view text, size_t at, size_t count) {
  if (at > text.size() || count > text.size() - at) return {};
  int value = 0;
  for (size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return {};
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

// The zone at text[at...] to the end, as seconds east of UTC.
std::optional<int> ZoneOffset(std::string_view text, size_t at) {
  if (at == text.size()) return 0;
  if (text.substr(at) == "Z") return 0;
  const char sign = text[at];
  if (sign != '+' && sign != '-') return {};
  auto hours = Digits(text, at + 1, 2);
  if (!hours) return {};
  int minutes = 0;
  size_t end = at + 3;
  if (end < text.size()) {
    if (text[end] == ':') ++end;
    auto m = Digits(text, end, 2);
    if (!m) return {};
    minutes = *m;
    end += 2;
  }
  if (end != text.size() || *hours > 23 || minutes > 59) return {};
  const int seconds = *hours * 3600 + minutes * 60;
  return sign == '+' ? seconds : -seconds;
}

}  // namespace

std::optional<int64_t> ParseIsoTime(std::string_view text) {
  using namespace std::chrono;
  auto year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2);
  auto hour = Digits(text, 11, 2), minute = Digits(text, 14, 2);
  if (!year || !month || !day || !hour || !minute || text[4] != '-' || text[7] != '-' ||
      (text[10] != 'T' && text[10] != ' ') || text[13] != ':') {
    return {};
  }
  size_t at = 16;
  int second = 0;
  if (at < text.size() && text[at] == ':') {
    auto s = Digits(text, at + 1, 2);
    if (!s) return {};
    second = *s;
    at += 3;
  }
  const auto offset = ZoneOffset(text, at);
  const year_month_day date{std::chrono::year(*year),
                            std::chrono::month(static_cast<unsigned>(*month)),
                            std::chrono::day(static_cast<unsigned>(*day))};
  if (!offset || !date.ok() || *hour > 23 || *minute > 59 || second > 59) return {};
  const auto local = sys_days(date).time_since_epoch() + hours(*hour) + minutes(*minute) +
                     std::chrono::seconds(second);
  return duration_cast<std::chrono::seconds>(local).count() - *offset;
}

}  // namespace platform
