// GestureControl: the first control of the main window's panel list, above every screen for
// input. It keeps its slot in the list; it has no behaviour of its own yet, so every event
// passes through it to the screens below.
#pragma once

#include "toolkit/LightControl.h"

class GestureControl : public LightControl {
 public:
  explicit GestureControl(const RECT& initial_rect) : LightControl(initial_rect) {}
};
