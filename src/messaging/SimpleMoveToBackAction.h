// SimpleMoveToBackAction: The SMS screen's back button: the contact list again.
#pragma once

#include "toolkit/Action.h"

class SimpleMoveToBackAction : public Action {
 public:
  void Execute() override;
};
