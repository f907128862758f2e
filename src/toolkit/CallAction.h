// CallAction: places a call to a number with the contact's name as the called party through
// the phone service. The screen that offers the call may fade before the platform's dialler
// takes over and go back to the list after a pause (the detail screen does); a screen that
// stays where it was (the SMS screen) passes no CallScreen.
#pragma once

#include <string>

#include "toolkit/Action.h"

// What a screen does around a call it placed.
class CallScreen {
 public:
  // The fade shown before the dialler takes over the screen.
  virtual void FadeBeforePlatform() = 0;
  // After the call was handed over: the pause, then the way back.
  virtual void StartReturnPause() = 0;

 protected:
  ~CallScreen() = default;
};

class CallAction : public Action {
 public:
  // `screen` (may be null) outlives the action.
  CallAction(CallScreen* screen, std::u16string number, std::u16string display_name);

  void Execute() override;

  const std::u16string& Number() const { return number_; }

 private:
  CallScreen* screen_;
  std::u16string number_;
  std::u16string display_name_;
};
