// ClassicContactAction: starts the platform's own contacts application (a symbol of the symbol
// pad). When it cannot be started nothing else happens.
#pragma once

#include "platform/ui/Window.h"
#include "toolkit/Action.h"

class ClassicContactAction : public Action {
 public:
  explicit ClassicContactAction(platform::ui::HWND host_window) : host_window_(host_window) {}
  void Execute() override;

 private:
  platform::ui::HWND host_window_;
};
