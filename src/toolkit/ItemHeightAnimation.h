// ItemHeightAnimation: grows (or shrinks) one row of a smart list to a target height over
// 400 ms, so a newly added row opens up in place. A row out of view takes the target height
// at once.
#pragma once

#include <cstdint>

#include "toolkit/Animation.h"

class IListItem;
class SmartListControl;

class ItemHeightAnimation final : public Animation {
 public:
  static constexpr int32_t kDurationMs = 400;

  // Sets the row's height to the target immediately when the row is not visible.
  ItemHeightAnimation(IListItem& item, SmartListControl& list, int32_t target_height);

  // Sets the row's height for `elapsed_ms`; returns the list's rect.
  RECT Step(bool& done, uint32_t elapsed_ms) override;

 private:
  int32_t start_height_;
  int32_t target_height_;
  IListItem& item_;
  SmartListControl& list_;
};
