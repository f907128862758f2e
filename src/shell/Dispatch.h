// Input and timer dispatch of the main window over the top-level panel list. Each walk goes
// from the first element; the list is re-read after every call, because handlers may change
// it. Only visible controls are called.
#pragma once

#include <cstdint>

#include "platform/Messages.h"
#include "platform/ui/Window.h"

namespace shell {

// WM_LBUTTONDOWN / WM_MOUSEMOVE / WM_LBUTTONUP. Down sets the capture and up releases it
// first. The first control whose result has a non-zero right edge consumes the event and its
// rectangle is invalidated; nothing is invalidated when none does. After a pen-up every
// visible control gets OnPenReleased and each result with a non-zero right edge is
// invalidated (that walk never stops early).
void DispatchPointer(platform::ui::HWND hwnd, UINT message, int x, int y);
// WM_KEYDOWN (key, 0) and WM_CHAR (0, character): the same first walk with OnKey.
void DispatchKey(platform::ui::HWND hwnd, uint32_t virtual_key, char16_t character);
// WM_TIMER: OnTimer until one control returns true.
void DispatchTimer(uintptr_t timer_id);

}  // namespace shell
