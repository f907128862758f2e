// IconSmsAction: the icon bar's SMS button: the SMS filter, or all contacts when it is set
// already.
#pragma once

#include "toolkit/Action.h"

class IconSmsAction : public Action {
 public:
  void Execute() override;
};
