// What the monkey's run shows: the screens, panels and platform windows on view now, and the
// places of the icon bar's buttons and of the symbol pad's symbols, so that its gestures can
// aim at them. Reads the shell's globals on the UI thread.
#pragma once

#include <string>
#include <vector>

#include "platform/Types.h"

namespace monkey {

// Names of what is on view: "list", "detail", "sms", "filter_menu", "phone_pad", "call_edit",
// "symbol_pad", "popup_menu", "message_box", "keyboard"; and "symbol:<action>" for the last
// symbol of the symbol pad that ran.
std::vector<std::string> ScreensShowing();

// Screen rectangles of the icon bar's four buttons (favourites, SMS, filter, phone) in that
// order; empty without a list screen or while its bar is hidden.
std::vector<RECT> IconBarButtons();

// Shows the list screen as the screens' back buttons do; nothing while a message box is up.
void BackToList();

// The main window's top-left corner on the screen (controls use client pixels).
POINT MainWindowOrigin();

}  // namespace monkey
