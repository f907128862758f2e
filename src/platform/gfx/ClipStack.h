// The clip of a surface as a stack of rectangles with exclusions, flattened into a list of
// disjoint rectangles. Cairo clips with that list; direct pixel operations (raster-op blits,
// scrolling) walk the same list, so both kinds of drawing obey one clip.
#pragma once

#include <vector>

#include "platform/Types.h"

namespace platform::gfx {

class ClipStack {
 public:
  explicit ClipStack(const RECT& bounds);

  void Push(const RECT& rect);
  // Excludes a rectangle from the current top of the stack (or from the whole surface when
  // nothing is pushed). Popping the level drops its exclusions.
  void Exclude(const RECT& rect);
  // Pops one pushed level. With nothing pushed it drops the exclusions made on the whole
  // surface, leaving the surface unclipped.
  void Pop();

  // Disjoint rectangles whose union is the current clip (empty when nothing may be drawn).
  const std::vector<RECT>& Region() const { return region_; }
  // True when the clip is the whole surface (no clip needs to be applied).
  bool IsUnclipped() const { return levels_.size() == 1 && levels_[0].excluded.empty(); }

 private:
  struct Level {
    RECT rect;
    std::vector<RECT> excluded;
  };
  void Rebuild();

  std::vector<Level> levels_;
  std::vector<RECT> region_;
};

// Removes `cut` from every rectangle of `region`, keeping the pieces disjoint.
void SubtractRect(std::vector<RECT>& region, const RECT& cut);

}  // namespace platform::gfx
