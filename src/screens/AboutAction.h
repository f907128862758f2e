// AboutAction: the options menu's "About": a message box with the program's name and version.
#pragma once

#include "platform/ui/Window.h"
#include "toolkit/Action.h"

class AboutAction : public Action {
 public:
  explicit AboutAction(platform::ui::HWND host_window) : host_window_(host_window) {}
  void Execute() override;

 private:
  platform::ui::HWND host_window_;
};
