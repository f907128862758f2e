// The first-activation initialisation and the unread-count refresh.
#pragma once

namespace shell {

// Runs once, at the first WM_ACTIVATE: language texts, the screens and the gesture control,
// the unread count, the registry notifications, and finally the posted full-screen request.
void RunFirstActivation();

// "QuillbookRefreshSMSCounter": re-reads the unread count; a changed count asks the counter
// thread for a recount.
void RefreshSmsCounter();

// The platform's unread SMS count (0 when it cannot be read).
unsigned ReadUnreadCount();

}  // namespace shell
