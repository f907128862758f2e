// "QuillbookNewSMS": the interception library has described a new SMS in the shared block.
#pragma once

namespace shell {

// Attaches the SMS to its contact (or a new pseudo-contact), counts it unread, switches the
// contact list to the contacts with SMS, brings the window forward when the setting asks for
// it, and scrolls the list to its top. Ignored when the program has no shared block or the
// block holds no valid entry.
void HandleNewSms();

}  // namespace shell
