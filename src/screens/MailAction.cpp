#include "screens/MailAction.h"

#include "platform/mail/MailComposeMessage.h"
#include "screens/ContactDetailPanel.h"

MailAction::MailAction(ContactDetailPanel& panel, std::u16string address,
                       std::u16string display_name)
    : panel_(panel), address_(std::move(address)), display_name_(std::move(display_name)) {}

std::u16string MailAction::ToText() const {
  return display_name_ + u"<" + address_ + u">";
}

void MailAction::Execute() {
  panel_.FadeBeforePlatform();
  const std::u16string to = ToText();
  platform::mail::MAILCOMPOSEFIELDS fields;
  fields.cbSize = platform::mail::kMailComposeFieldsSize;
  fields.dwFlags = 0;
  fields.pszTo = to.c_str();
  // The service tells the user itself when no composition can be opened.
  platform::mail::MailComposeMessage(&fields);
  panel_.StartReturnPause();
}
