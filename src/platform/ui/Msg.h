// A queued window message, as the old platform's MSG record.
#pragma once

#include "platform/Messages.h"

namespace platform::ui {

class Window;

struct MSG {
  Window* hwnd = nullptr;
  UINT message = WM_NULL;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

}  // namespace platform::ui
