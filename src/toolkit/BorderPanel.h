// BorderPanel: the pop-up menu panel. Its children (buttons) are laid out in a single column
// below a margin; the panel sits centred at the top of the screen, framed by a border, and is
// modal while visible: it swallows every pen-down, and a pen-up outside its buttons runs the
// cancel action (or closes the panel) once a pen-down has been seen by it. The pen-up of the
// tap that opened the menu therefore never closes it.
//
// Children that follow the panel while it moves implement RelativeChild: they keep their
// rectangle relative to the panel's top-left corner. Other children get absolute rects that
// the panel moves along with itself.
#pragma once

#include <functional>

#include "platform/ui/Window.h"
#include "toolkit/ContainerPanel.h"

class RelativeChild {
 public:
  virtual ~RelativeChild() = default;
  // The child's rectangle relative to the parent panel's top-left corner.
  virtual void SetRelativeRect(const RECT& relative) = 0;
};

class BorderPanel : public ContainerPanel {
 public:
  // Run when the user taps outside every button. It may delete the panel (through
  // DeleteLater); the panel touches nothing of itself after calling it.
  using CancelAction = std::function<void()>;

  BorderPanel(platform::ui::HWND host_window, const RECT& initial_rect);

  void Resize(const RECT& client) override;
  bool Paint(platform::Surface& dc, int left, int top, int right, int bottom) override;
  RECT OnPenDown(int x, int y) override;
  RECT OnPenMove(int x, int y) override;
  RECT OnPenUp(int x, int y) override;

  // Makes the panel visible and slides it down from above the top edge of the screen over
  // `menu_animation_duration` ms; returns when it has arrived.
  void Open();
  // Hides the panel and slides it up so that `offset` pixels of its bottom stay on screen
  // (0 for a plain close); returns when the slide has ended.
  void Close(int offset);
  void SetCancelAction(CancelAction action) { cancel_action_ = std::move(action); }

  bool PenDownSeen() const { return pen_down_seen_; }

 private:
  // Moves the panel's top edge to `top`, taking children without a relative rect along.
  void MoveTop(int top);
  // Runs the vertical slide of the panel to `top` and brings the children along.
  void SlideTo(int top);

  platform::ui::HWND host_window_;
  bool pen_down_seen_ = false;
  CancelAction cancel_action_;
};
