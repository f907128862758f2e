// FullscreenAction: the options menu's "Toggle Fullscreen": the stored full-screen choice is
// inverted and the window placed after it.
#pragma once

#include "toolkit/Action.h"

class FullscreenAction : public Action {
 public:
  void Execute() override;
};
