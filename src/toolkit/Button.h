// Button: a control that is also a list row, so the same object works on a screen and inside
// a button list. It draws an image face (or a built-in grey gradient) with a centred caption,
// runs its click action on a tap and, when it has one, its long-press action after the pen
// has been held on it for 250 ms.
//
// Press and hold, as driven by pen events and the press timer (id = the button's address):
//
//   state     event                        action                              next state
//   --------  ---------------------------  ----------------------------------  ----------
//   idle      pen down inside              start the 250 ms press timer        pressed
//   idle      pen down outside             -                                   idle
//   idle      pen moves into the rect      -                                   pressed
//   idle      pen up                       - (not consumed)                    idle
//   pressed   pen moves out of the rect    -                                   idle
//   pressed   pen up inside                release; run the click action       idle
//   pressed   pen up outside               - (consumed, nothing runs)          idle
//   pressed   timer, long-press action     kill timer; run the long-press      idle
//   pressed   timer, no long-press action  kill timer                          pressed
//   any       pen released                 kill timer                          idle
//
// A long press ends in idle, so the pen-up that follows does not click as well; without a
// long-press action a hold of any length still clicks on pen-up.
//
// Ownership: the button owns its click action and deletes it with itself; the long-press
// action belongs to whoever set it. Images belong to the theme (or the caller). An action
// may delete the button that runs it only through LightControl::DeleteLater: the button
// writes its own state after the action returns.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/ui/Window.h"
#include "toolkit/Action.h"
#include "toolkit/IListItem.h"
#include "toolkit/LightControl.h"

namespace theme {
class Image;
}

class Button : public LightControl, public IListItem {
 public:
  // Milliseconds the pen is held before the long-press action runs.
  static constexpr uint32_t kLongPressMs = 250;

  // A screen button: the row height is the rectangle's height; no actions.
  Button(platform::ui::HWND host_window, const RECT& initial_rect, std::u16string caption,
         const theme::Image* image, const theme::Image* pressed_image);
  // A button for button lists: row height large_button_height; its rectangle is assigned
  // each time the list draws it.
  Button(platform::ui::HWND host_window, std::u16string caption, const theme::Image* image,
         const theme::Image* pressed_image);
  // Kills the press timer so that no tick arrives for a dead button.
  ~Button() override;

  bool Paint(platform::Surface& dc, int left, int top, int right, int bottom) override;
  RECT OnPenDown(int x, int y) override;
  RECT OnPenMove(int x, int y) override;
  RECT OnPenUp(int x, int y) override;
  RECT OnPenReleased(int x, int y) override;
  RECT OnKey(uint32_t virtual_key, char16_t character) override;
  bool OnTimer(uintptr_t timer_id) override;

  // List-row side: the row becomes the rect; drawn pressed while the row is selected, and
  // the pressed flag is restored afterwards.
  bool Draw(platform::Surface& surface, const RECT& row, bool selected) override;
  // Runs the click action.
  void OnClick(SmartListControl& list) override;
  char16_t GetIndexChar() const override { return u' '; }

  // The button takes ownership of its click action (replacing and deleting the old one).
  void SetClickAction(std::unique_ptr<Action> action) { click_action_ = std::move(action); }
  Action* ClickAction() const { return click_action_.get(); }
  // Not owned; must outlive the button or be replaced first.
  void SetLongPressAction(Action* action) { long_press_action_ = action; }
  Action* LongPressAction() const { return long_press_action_; }

  void SetImages(const theme::Image* image, const theme::Image* pressed_image);
  const theme::Image* FaceImage() const { return image_; }
  const theme::Image* PressedImage() const { return pressed_image_; }

  bool IsPressed() const { return pressed_; }
  void SetPressed(bool pressed) { pressed_ = pressed; }
  bool IsListButton() const { return list_button_; }
  platform::ui::HWND HostWindow() const { return host_window_; }
  uintptr_t PressTimerId() const { return reinterpret_cast<uintptr_t>(this); }

  // Caption, drawn centred and word-wrapped.
  std::u16string text;
  // Kept for rows that carry a second line; never drawn by the button.
  std::u16string second_text;

 protected:
  // Runs the click action, if any. The action may hand this button to DeleteLater.
  void RunClickAction();

 private:
  void DrawFace(platform::Surface& dc);

  platform::ui::HWND host_window_;
  bool list_button_ = false;
  bool pressed_ = false;
  const theme::Image* image_ = nullptr;
  const theme::Image* pressed_image_ = nullptr;
  std::unique_ptr<Action> click_action_;
  Action* long_press_action_ = nullptr;
};
