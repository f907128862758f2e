// Opening an sms: URI (RFC 5724) handed to the program on its command line or by a later start:
// the SMS screen for the first number's contact, or for a pseudo-contact when the number is
// nobody's, with the URI's body in the text box. It waits for the contact list's load, since
// the contact can only be told once the rows are in.
#pragma once

#include <string>

namespace shell {

// Keeps `uri` to be opened (a later one replaces an earlier one not opened yet).
void RequestUri(std::string uri);

// Opens the kept URI when the contact list has loaded; the main loop calls it when idle. A
// malformed URI (a later start's request is checked here again) opens nothing and says why on
// standard error.
void OpenPendingUri();

}  // namespace shell
