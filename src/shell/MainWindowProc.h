// The main window's procedure: window messages become calls on the shell and the panels.
#pragma once

#include "platform/ui/Window.h"

namespace shell {

LRESULT MainWindowProc(platform::ui::HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace shell
