// The simulated mail program's log in the device profile ("mail.db"): one entry per
// composition opened through the simulated backend, with its time and fields as given (the
// whole To text, name included). The device tool lists it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform::mail {

struct LoggedMail {
  int64_t unix_seconds = 0;
  std::u16string to;
  std::u16string cc;
  std::u16string bcc;
  std::u16string subject;
  std::u16string body;
};

bool LogMail(const LoggedMail& mail);
// Oldest first; nullopt when the log cannot be read.
std::optional<std::vector<LoggedMail>> ReadMailLog();
bool ClearMailLog();

}  // namespace platform::mail
