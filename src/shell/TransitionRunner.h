// The blocking transition runner. The caller has already switched the visible flags; the back
// buffer still holds the previous frame, which becomes the old image. The new screen is painted
// into a second image and the animation draws frames from both into a work image, each copied
// to the window and presented at once, until it reports done. No messages are handled
// meanwhile. Afterwards the back buffer holds the new frame and the window is invalidated.
#pragma once

#include "platform/ui/Window.h"
#include "shell/TransitionAnimation.h"

namespace shell {

// A transition that has not finished after this long is ended (a broken animation must not
// hang the program).
inline constexpr uint32_t kMaxTransitionMs = 10000;

// `area` null: the whole client rectangle. Returns the number of frames drawn.
int RunScreenTransition(platform::ui::HWND hwnd, TransitionAnimation& animation, const RECT* area);

// OnTransitionStart / OnTransitionEnd on every ContainerPanel of the panel list.
void SendTransitionStart();
void SendTransitionEnd();

// Registers the shell with the toolkit's animation runners (painting the panels, the
// transition notifications and the screen slide). Call once at start-up, on the UI thread.
void InstallAnimationHost();

}  // namespace shell
