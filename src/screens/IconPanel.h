// IconPanel: the bar of four image buttons along the bottom edge of the contact list screen:
// favourites, SMS, filter and phone. The first two toggle the list between their filter and
// all contacts, and their icons and captions follow the list's filter at every paint
// (UpdateIcons). The SMS button carries a badge with the unread SMS count.
//
// A pen-down that one of the buttons takes captures the pen: the following moves go to every
// button, so that a press slides off a button (and back) as on any button. Without that
// capture moves are not consumed, so a drag started on the list is not taken over.
//
// UI thread only.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/Window.h"
#include "toolkit/Action.h"
#include "toolkit/ContainerPanel.h"

class Button;
class ContactContainerPanel;

class IconPanel : public ContainerPanel {
 public:
  // The buttons get their click actions; `screen` is the list screen the bar belongs to
  // (it outlives the bar, which is its child).
  IconPanel(platform::ui::HWND host_window, const RECT& initial_rect,
            ContactContainerPanel& screen);

  // The bar is the bottom `icon_panel_height` pixels of the main window; four equal buttons.
  void Resize(const RECT& client) override;
  // The buttons, then the unread badge over the SMS button.
  bool Paint(platform::Surface& dc, int left, int top, int right, int bottom) override;
  RECT OnPenDown(int x, int y) override;
  RECT OnPenMove(int x, int y) override;

  // The buttons' images and captions after the list's current filter.
  void UpdateIcons();

  // The badge's text ("12"), empty when no badge shows.
  static std::u16string BadgeText(uint32_t unread_count);
  // The badge's square for the SMS button's rect.
  static RECT BadgeRect(const RECT& sms_button);

  Button& FavoriteButton() const { return *favorite_button_; }
  Button& SmsButton() const { return *sms_button_; }
  Button& FilterButton() const { return *filter_button_; }
  Button& PhoneButton() const { return *phone_button_; }
  bool PenCaptured() const { return pen_captured_; }
  void ClearPenCaptured() { pen_captured_ = false; }

 private:
  // The bar's rect and its four buttons for a bar ending at `bottom`.
  void LayOut(int left, int right, int bottom);

  platform::ui::HWND host_window_;
  ContactContainerPanel& screen_;
  bool pen_captured_ = false;
  Button* favorite_button_;
  Button* sms_button_;
  Button* filter_button_;
  Button* phone_button_;
  // The phone button's long press (the button does not own it).
  std::unique_ptr<Action> symbol_pad_action_;
};
