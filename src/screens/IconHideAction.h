// IconHideAction: minimises the main window (a symbol of the symbol pad).
#pragma once

#include "platform/ui/Window.h"
#include "toolkit/Action.h"

class IconHideAction : public Action {
 public:
  explicit IconHideAction(platform::ui::HWND host_window) : host_window_(host_window) {}
  void Execute() override;

 private:
  platform::ui::HWND host_window_;
};
