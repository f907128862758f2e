// What the screens ask of the shell, which sits above them: back to the contact list, the page
// flip over the whole screen, and the call edit panel over the list. The shell registers the
// handlers at start-up; without them a request does nothing (the call edit panel does not
// exist yet, so that request only writes to the contact rows' trace).
//
// UI thread only.
#pragma once

#include <functional>
#include <string>

class ScreenNavigation {
 public:
  struct Handlers {
    std::function<void(bool animate)> show_main_panel;
    std::function<void(int direction)> flip_transition;
    std::function<void(const std::u16string& number)> open_call_edit;
  };

  // Registers the handlers (an empty member leaves that request unanswered).
  static void SetHandlers(Handlers handlers);
  static void Reset();

  // Back to the contact list screen, with the slide when `animate`.
  static void ShowMainPanel(bool animate);
  // The 500 ms page flip over the client area; the caller has switched what is visible.
  static void FlipTransition(int direction);
  // The call edit panel over the list screen with `number`; false when none exists.
  static bool OpenCallEdit(const std::u16string& number);
};
