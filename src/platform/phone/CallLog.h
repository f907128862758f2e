// The simulated phone's call log in the device profile ("calls.db"): one entry per call placed
// through the simulated backend, with its time, number and called party. The device tool lists
// and empties it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform::phone {

struct LoggedCall {
  int64_t unix_seconds = 0;
  std::u16string number;
  std::u16string called_party;
};

bool LogCall(const std::u16string& number, const std::u16string& called_party);
// Oldest first; nullopt when the log cannot be read.
std::optional<std::vector<LoggedCall>> ReadCallLog();
bool ClearCallLog();

}  // namespace platform::phone
