// IconFavoriteAction: the icon bar's favourites button: the favourites filter, or all contacts when
// it is set already.
#pragma once

#include "toolkit/Action.h"

class IconFavoriteAction : public Action {
 public:
  void Execute() override;
};
