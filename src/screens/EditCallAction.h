// EditCallAction: the call edit panel's "Call": fades the screen and calls exactly the text
// of the number box.
#pragma once

#include "platform/ui/Window.h"
#include "toolkit/Action.h"

class TextInputControl;

class EditCallAction : public Action {
 public:
  EditCallAction(platform::ui::HWND host_window, TextInputControl& number_box)
      : host_window_(host_window), number_box_(number_box) {}
  void Execute() override;

 private:
  platform::ui::HWND host_window_;
  TextInputControl& number_box_;
};
