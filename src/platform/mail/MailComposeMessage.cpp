#include "platform/mail/MailComposeMessage.h"

#include <optional>
#include <string>

#include "platform/Messages.h"
#include "platform/ServiceBackend.h"
#include "platform/mail/MailLog.h"
#include "platform/mail/MailtoUri.h"
#include "platform/shellexec/DesktopHandoff.h"
#include "platform/ui/WindowApi.h"

namespace platform::mail {

namespace {

constexpr char16_t kCaption[] = u"Mail";

void Tell(const std::u16string& text) {
  ui::WindowManager* manager = ui::WindowManager::Current();
  if (!manager) return;
  ui::MessageBox(manager->MainWindow(), text, kCaption, MB_OK | MB_ICONEXCLAMATION);
}

std::u16string Text(const char16_t* text) {
  return text ? std::u16string(text) : std::u16string();
}

ComposeResult ComposeOnDesktop(const std::u16string& to) {
  const std::optional<std::string> uri = MakeMailtoUri(to);
  if (!uri) {
    Tell(u"No mail can be written to \"" + to + u"\": it holds no usable e-mail address.");
    return ComposeResult::kNoAddress;
  }
  return shellexec::HandUriToDesktop(*uri, u"write a mail to " + *ExtractMailAddress(to), kCaption)
             ? ComposeResult::kOpened
             : ComposeResult::kUnavailable;
}

}  // namespace

ComposeResult MailComposeMessage(const MAILCOMPOSEFIELDS* fields) {
  if (!fields || fields->cbSize != kMailComposeFieldsSize) return ComposeResult::kInvalidRecord;
  const std::u16string to = Text(fields->pszTo);
  if (ReadServiceBackend(PlatformService::kMail) != ServiceBackend::kSimulated) {
    return ComposeOnDesktop(to);
  }
  const LoggedMail mail{0,
                        to,
                        Text(fields->pszCc),
                        Text(fields->pszBcc),
                        Text(fields->pszSubject),
                        Text(fields->pszBody)};
  if (LogMail(mail)) return ComposeResult::kOpened;
  Tell(u"The simulated mail program could not record the mail to " + to + u".");
  return ComposeResult::kUnavailable;
}

}  // namespace platform::mail
