// CloseAction: ends the program the way closing its window does (a symbol of the symbol pad).
#pragma once

#include "platform/ui/Window.h"
#include "toolkit/Action.h"

class CloseAction : public Action {
 public:
  explicit CloseAction(platform::ui::HWND host_window) : host_window_(host_window) {}
  void Execute() override;

 private:
  platform::ui::HWND host_window_;
};
