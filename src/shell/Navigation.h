// Navigation between the screens and the transitions that go with it.
#pragma once

#include "platform/ui/Window.h"

namespace shell {

// Back to the contact list screen (see the .cpp for the exact rules).
void ShowMainPanel(platform::ui::HWND hwnd, bool animate);
// The slide over `area`, or (null) the client area above the icon panel. Direction 0 brings
// the new screen in from the right, 1 from the left. Until the slide animation exists this is
// a cut.
void SlideTransition(platform::ui::HWND hwnd, int direction, const RECT* area);

}  // namespace shell
