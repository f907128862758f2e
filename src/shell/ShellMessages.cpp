#include "shell/ShellMessages.h"

#include "platform/ui/RegisteredMessages.h"

namespace shell {

using platform::ui::RegisterWindowMessage;

const UINT kMsgNewSms = RegisterWindowMessage(u"QuillbookNewSMS");
const UINT kMsgRefreshSmsCounter = RegisterWindowMessage(u"QuillbookRefreshSMSCounter");
const UINT kMsgDoFullScreen = RegisterWindowMessage(u"QuillbookDoFullScreen");
const UINT kMsgRepositionKeyboard = RegisterWindowMessage(u"g_qbkRepositionKeyboard");

}  // namespace shell
