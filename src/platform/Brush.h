// A brush for filling backgrounds: a solid colour, or a bitmap repeated from an origin (the old
// pattern brush; the bitmap is copied when the brush is made). Edit boxes fill their
// background with the brush their parent hands them, so that the parent's picture shows
// through where the box sits.
#pragma once

#include <memory>

#include "platform/Surface.h"
#include "platform/Types.h"

namespace platform {

class Brush {
 public:
  static std::unique_ptr<Brush> Solid(COLORREF color);
  static std::unique_ptr<Brush> Pattern(const Surface& bitmap);

  // Fills `rect` of `dc`; the pattern's top-left pixel lies at `origin` (dc pixels), repeated
  // in every direction.
  void Fill(Surface& dc, const RECT& rect, POINT origin) const;

  bool IsPattern() const { return pattern_ != nullptr; }
  COLORREF Color() const { return color_; }

 private:
  Brush() = default;
  COLORREF color_ = RGB(255, 255, 255);
  std::unique_ptr<Surface> pattern_;
};

}  // namespace platform
