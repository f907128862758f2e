// The main window's registered messages and fixed names. The ids are registered by static
// initialisers, before the entry runs, so every file may use them at any time.
#pragma once

#include "platform/Messages.h"

namespace shell {

inline constexpr char16_t kMainWindowClass[] = u"QUILLBOOK-{6D2E93A1-47C0-4B8E-A5F2-3C9B71D0E84A}";
inline constexpr char16_t kMainWindowTitle[] = u"Quillbook";

extern const UINT kMsgNewSms;              // "QuillbookNewSMS"
extern const UINT kMsgRefreshSmsCounter;   // "QuillbookRefreshSMSCounter"
extern const UINT kMsgDoFullScreen;        // "QuillbookDoFullScreen"
extern const UINT kMsgRepositionKeyboard;  // "g_qbkRepositionKeyboard"

}  // namespace shell
