// RelativeButton: a button inside a pop-up panel. It keeps its rectangle relative to the
// panel's top-left corner and recomputes its absolute rect from the panel's current position,
// so it follows the panel while the panel slides. Its faces are the theme's small button
// images, re-read at every paint so that a theme change shows at once.
#pragma once

#include "toolkit/BorderPanel.h"
#include "toolkit/Button.h"

class RelativeButton : public Button, public RelativeChild {
 public:
  // `initial_rect` is in client coordinates; the relative rectangle is derived from the
  // parent's position now. The parent must outlive the button (it owns it).
  RelativeButton(const LightControl* parent, platform::ui::HWND host_window,
                 const RECT& initial_rect, std::u16string caption);

  bool Paint(platform::Surface& dc, int left, int top, int right, int bottom) override;
  RECT OnPenDown(int x, int y) override;
  RECT OnPenMove(int x, int y) override;
  RECT OnPenUp(int x, int y) override;

  void SetRelativeRect(const RECT& relative) override { relative_rect_ = relative; }
  const RECT& RelativeRect() const { return relative_rect_; }

 private:
  // rect := the relative rectangle moved to the parent's current top-left corner.
  void FollowParent();

  const LightControl* parent_;
  RECT relative_rect_;
};
