// A source of scripted input that the message loop consults whenever it is idle (no posted
// message, no invalid window, no due timer, screen presented). Scripted runs feed one command
// per call; nested loops (message boxes) keep feeding, so a script can answer them.
#pragma once

namespace platform::ui {

class WindowManager;

class InputSource {
 public:
  virtual ~InputSource() = default;
  // Does the next piece of work (one command, or one step of a wait). False when there is
  // nothing more to feed; the loop then sleeps until a post or desktop event arrives.
  virtual bool Feed(WindowManager& manager) = 0;
};

}  // namespace platform::ui
