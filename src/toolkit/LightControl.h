// LightControl: the base of everything drawn on screen. A control is a rectangle of the main
// window's client area (absolute client pixels, never relative to a parent) with a visible
// flag and a fixed set of virtual operations. The main window and container panels call them;
// the contract of each one is written here once.
//
//   Resize(client)            the whole client rectangle of the main window; the control
//                             computes its own rect from it (and from the theme)
//   Paint(dc, l, t, r, b)     draw into the back buffer; (l, t, r, b) is the invalid area,
//                             which may be used to skip work; never draw outside rect
//   OnPenDown/Move/Up(x, y)   the rectangle to repaint when the event was consumed (its right
//                             edge is non-zero), the empty rectangle when ignored
//   OnPenReleased(x, y)       after every pen-up, to every visible control (drop pressed
//                             states, kill press timers); never stops a walk
//   OnKey(vk, ch)             a key down (vk, 0) or a character (0, ch); as the pen operations
//   OnTimer(id)               true only for a timer this control owns (ids: the control's
//                             address, plus 1 or 2 for further timers)
//
// Only visible controls take part in painting and input. All of it runs on the UI thread.
//
// Deleting a control while one of its own operations runs (a menu closed by its own button)
// goes through DeleteLater: the control dies at the top of the next loop iteration.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/Surface.h"
#include "platform/Types.h"

// The process-wide empty rectangle: what an operation returns when it did not consume an event.
inline constexpr RECT kEmptyRect{0, 0, 0, 0};

class LightControl {
 public:
  explicit LightControl(const RECT& initial_rect) : rect(initial_rect) {}
  virtual ~LightControl() = default;
  LightControl(const LightControl&) = delete;
  LightControl& operator=(const LightControl&) = delete;

  virtual void Resize(const RECT& client);
  virtual bool Paint(platform::Surface& dc, int left, int top, int right, int bottom);
  virtual RECT OnPenDown(int x, int y);
  virtual RECT OnPenMove(int x, int y);
  virtual RECT OnPenUp(int x, int y);
  virtual RECT OnPenReleased(int x, int y);
  virtual RECT OnKey(uint32_t virtual_key, char16_t character);
  virtual bool OnTimer(uintptr_t timer_id);

  // Hands the control to the deferred-deletion list; it is deleted by DrainDeferredDeletions.
  static void DeleteLater(std::unique_ptr<LightControl> control);
  // Deletes every control handed to DeleteLater (the message loop calls this at the top of
  // each outermost iteration). Controls deleted here may hand further controls over.
  static void DrainDeferredDeletions();
  static size_t PendingDeletions();

  // The control takes part in painting and input only while true.
  bool visible = true;
  // The control's area in client pixels.
  RECT rect;
};
