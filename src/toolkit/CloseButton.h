// CloseButton: the "back" button of the detail and SMS screens. Its faces and place come
// from the theme at every relayout; without a back image it shows the language text for
// "Back" on the built-in face.
#pragma once

#include "toolkit/Button.h"

class CloseButton : public Button {
 public:
  explicit CloseButton(platform::ui::HWND host_window);

  // Faces from back_button_image / back_button_image_pressed; rect from close_button_box.
  // A box whose left edge is -1 with an image takes the image's size at the left edge.
  void Resize(const RECT& client) override;
};
