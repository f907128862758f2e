// DisableSipAction: turns the soft keyboard off: hides it (the screens get their full height
// again) and stores "nosip", so that no text box brings it up until the user picks a keyboard.
#pragma once

#include "toolkit/Action.h"

class DisableSipAction final : public Action {
 public:
  void Execute() override;
};
