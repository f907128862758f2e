#include "platform/mail/MailLog.h"

#include "platform/ServiceLog.h"

namespace platform::mail {

namespace {

ServiceLog MailLogFile() {
  return ServiceLog("mail.db", {"to_text", "cc", "bcc", "subject", "body"});
}

}  // namespace

bool LogMail(const LoggedMail& mail) {
  return MailLogFile().Append({mail.to, mail.cc, mail.bcc, mail.subject, mail.body});
}

std::optional<std::vector<LoggedMail>> ReadMailLog() {
  auto entries = MailLogFile().Read();
  if (!entries) return std::nullopt;
  std::vector<LoggedMail> mails;
  for (ServiceLog::Entry& entry : *entries) {
    std::vector<std::u16string>& f = entry.fields;
    mails.push_back({entry.unix_seconds, std::move(f[0]), std::move(f[1]), std::move(f[2]),
                     std::move(f[3]), std::move(f[4])});
  }
  return mails;
}

bool ClearMailLog() {
  return MailLogFile().Clear();
}

}  // namespace platform::mail
