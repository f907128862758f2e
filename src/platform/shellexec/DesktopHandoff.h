// Handing a URI to the desktop on behalf of a platform service (the desktop backends of the
// phone and mail services), with the failures a user must see: no opener installed, or an
// opener that reports that nothing on the desktop handles the URI. Both are told in a
// platform message box; nothing fails silently.
//
// UI thread (the message box of a late failure is posted to it).
#pragma once

#include <string>
#include <string_view>

namespace platform::shellexec {

// Starts the desktop's opener on `uri`. `action` says what the user asked for ("place the
// call to +331234"), `caption` titles the message box. False (after telling the user) when
// the opener could not be started; a failure the opener reports later is told when it ends.
bool HandUriToDesktop(const std::string& uri, std::u16string_view action,
                      std::u16string_view caption);

}  // namespace platform::shellexec
