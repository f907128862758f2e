// PhoneCallEditPanel: the full-screen panel over the list screen that shows a number in a
// large text box above a phone pad, with "Call" and "Cancel" buttons, so that the user can
// correct or complete the number before calling it. It is modal: it takes every pen event,
// whether one of its controls uses it or not, and every key, so nothing below reacts.
//
// When it opens its number box takes the focus, and the pad's keys (which come back through
// the main window's key dispatch) are typed into that box only.
//
// Children in input order: phone pad, cancel button, call button, number box.
// UI thread only.
#pragma once

#include <string>

#include "platform/ui/Window.h"
#include "toolkit/Action.h"
#include "toolkit/ContainerPanel.h"

class Button;
class ContactContainerPanel;
class PhonePad;
class TextInputControl;

class PhoneCallEditPanel : public ContainerPanel {
 public:
  PhoneCallEditPanel(platform::ui::HWND host_window, const RECT& initial_rect,
                     ContactContainerPanel& parent);

  // The pad as on the list screen; the call button the left half and cancel the right half
  // of the bottom `icon_panel_height` pixels; the number box across the width, y 40 to 80.
  void Resize(const RECT& client) override;
  bool Paint(platform::Surface& dc, int left, int top, int right, int bottom) override;
  RECT OnPenDown(int x, int y) override;
  RECT OnPenMove(int x, int y) override;
  RECT OnPenUp(int x, int y) override;
  RECT OnPenReleased(int x, int y) override;
  // A character is typed into the number box; every key is consumed.
  RECT OnKey(uint32_t virtual_key, char16_t character) override;
  // The number box's edit window is hidden while a transition captures the screen.
  void OnTransitionStart() override;
  void OnTransitionEnd() override;

  TextInputControl& NumberBox() const { return *number_box_; }
  PhonePad& Pad() const { return *pad_; }
  Button& CallButton() const { return *call_button_; }
  Button& CancelButton() const { return *cancel_button_; }

 private:
  platform::ui::HWND host_window_;
  PhonePad* pad_;
  Button* cancel_button_;
  Button* call_button_;
  TextInputControl* number_box_;
};

// Opens the call edit panel over `screen` with `number`: made for the main window's client
// rectangle, inserted as the screen's first child, the number box focused, then the page flip.
// Returns the panel (owned by `screen`).
PhoneCallEditPanel* ShowPhoneCallEditPanel(platform::ui::HWND host_window,
                                           ContactContainerPanel& screen,
                                           const std::u16string& number);
// The call edit panel open over `screen`, or null.
PhoneCallEditPanel* FindPhoneCallEditPanel(const ContactContainerPanel& screen);
