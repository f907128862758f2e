#include "platform/phone/CallLog.h"

#include "platform/ServiceLog.h"

namespace platform::phone {

namespace {

ServiceLog CallLogFile() {
  return ServiceLog("calls.db", {"number", "called_party"});
}

}  // namespace

bool LogCall(const std::u16string& number, const std::u16string& called_party) {
  return CallLogFile().Append({number, called_party});
}

std::optional<std::vector<LoggedCall>> ReadCallLog() {
  auto entries = CallLogFile().Read();
  if (!entries) return std::nullopt;
  std::vector<LoggedCall> calls;
  for (ServiceLog::Entry& entry : *entries) {
    calls.push_back({entry.unix_seconds, std::move(entry.fields[0]), std::move(entry.fields[1])});
  }
  return calls;
}

bool ClearCallLog() {
  return CallLogFile().Clear();
}

}  // namespace platform::phone
