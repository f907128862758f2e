#include "toolkit/ItemHeightAnimation.h"

#include <mutex>

#include "toolkit/IListItem.h"
#include "toolkit/SmartListControl.h"

ItemHeightAnimation::ItemHeightAnimation(IListItem& item, SmartListControl& list,
                                         int32_t target_height)
    : Animation(0),
      start_height_(item.height),
      target_height_(target_height),
      item_(item),
      list_(list) {
  std::lock_guard lock(list.ListLock());
  if (list.IsItemVisible(&item)) {
    duration = kDurationMs;
  } else {
    item.height = target_height;
    list.InvalidateContentHeight();
  }
}

RECT ItemHeightAnimation::Step(bool& done, uint32_t elapsed_ms) {
  std::lock_guard lock(list_.ListLock());
  int32_t height = target_height_;
  if (static_cast<int64_t>(elapsed_ms) > duration || duration <= 0) {
    done = true;
  } else {
    const float progress = static_cast<float>(elapsed_ms) / static_cast<float>(duration);
    height = static_cast<int32_t>(progress * static_cast<float>(target_height_ - start_height_) +
                                  static_cast<float>(start_height_));
  }
  item_.height = height;
  list_.InvalidateContentHeight();
  list_.ForceFullPaint();
  return list_.rect;
}
