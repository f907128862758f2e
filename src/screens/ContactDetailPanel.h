// ContactDetailPanel: the contact detail screen. For now a container panel that paints the
// theme's plain background under its children.
#pragma once

#include "toolkit/ContainerPanel.h"

class ContactDetailPanel : public ContainerPanel {
 public:
  explicit ContactDetailPanel(const RECT& initial_rect) : ContainerPanel(initial_rect) {}

  bool Paint(platform::Surface& dc, int left, int top, int right, int bottom) override;
};
