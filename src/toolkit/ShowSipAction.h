// ShowSipAction: brings up the soft keyboard the user chose (nothing when it is "nosip").
#pragma once

#include "toolkit/Action.h"

class ShowSipAction final : public Action {
 public:
  void Execute() override;
};
