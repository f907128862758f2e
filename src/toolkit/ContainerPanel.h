// ContainerPanel: a control that owns an ordered list of child controls and forwards every
// operation to them. The first child has input priority and is painted last (on top).
//
// Routing (children in list order; hidden children are skipped except by Resize and the
// transition notifications):
//   Resize            every child gets the same client rectangle; then rect := client
//   Paint             visible children from the last to the first; returns true
//   OnPenDown         the first child whose result has bottom > 0 wins
//   OnPenMove/Up, Key the first child whose result has right > 0 wins
//   OnPenReleased     every visible child; the union of results with right > 0
//   OnTimer           true at the first child that returns true
//   OnTransitionStart/End  forwarded to every child that is itself a ContainerPanel
// A child earlier in the list shadows later ones wherever it consumes an event; a child that
// returns a rectangle for an event it did not use (a pop-up menu) makes the panel modal.
// Every walk re-reads the list's size before each step, because handlers may change it.
#pragma once

#include <memory>
#include <vector>

#include "toolkit/LightControl.h"

class ContainerPanel : public LightControl {
 public:
  explicit ContainerPanel(const RECT& initial_rect) : LightControl(initial_rect) {}
  // Deletes the children in list order.
  ~ContainerPanel() override;

  void Resize(const RECT& client) override;
  bool Paint(platform::Surface& dc, int left, int top, int right, int bottom) override;
  RECT OnPenDown(int x, int y) override;
  RECT OnPenMove(int x, int y) override;
  RECT OnPenUp(int x, int y) override;
  RECT OnPenReleased(int x, int y) override;
  RECT OnKey(uint32_t virtual_key, char16_t character) override;
  bool OnTimer(uintptr_t timer_id) override;

  // Before a screen transition captures the new screen (and once at start-up): a panel that
  // is no longer visible hides what it keeps outside the toolkit and kills its timers.
  virtual void OnTransitionStart();
  // After the transition (and once at start-up after OnTransitionStart): a panel that is now
  // visible shows those again and restarts its timers.
  virtual void OnTransitionEnd();

  // Appends; the panel takes ownership. Returns the control. Null is ignored.
  template <typename T>
  T* AddChild(std::unique_ptr<T> control) {
    T* raw = control.get();
    if (raw) children_.push_back(std::move(control));
    return raw;
  }
  // Inserts at the front (first for input, painted on top); the panel takes ownership.
  template <typename T>
  T* InsertChildFront(std::unique_ptr<T> control) {
    T* raw = control.get();
    if (raw) children_.insert(children_.begin(), std::move(control));
    return raw;
  }
  // Removes the first child equal to the pointer, keeping the order of the rest, and hands
  // it back without deleting it (null when absent). A control removing itself from inside
  // its own operation must pass the result to LightControl::DeleteLater.
  std::unique_ptr<LightControl> RemoveChild(const LightControl* control);
  // Empties the list and hands every child back, in list order.
  std::vector<std::unique_ptr<LightControl>> ClearChildren();

  size_t ChildCount() const { return children_.size(); }
  // The child at the index; the index must be below ChildCount().
  LightControl* Child(size_t index) const;

 private:
  std::vector<std::unique_ptr<LightControl>> children_;
};
