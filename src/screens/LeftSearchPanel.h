// LeftSearchPanel: the alphabetical index strip of the contact list screen. The letters of
// the theme's `index_letters` are drawn in a 16-px column on the left edge; a marker beside
// the strip shows the letter of the row at the top of the list, and while the pen is on the
// strip a feedback bubble shows the letter under the pen. Lifting the pen makes the list
// jump to that letter. The strip's rectangle spans the whole width of the list, because the
// pen is accepted along both screen edges (the right edge has no letters of its own).
//
// Pen input:
//
//   state     event                               action                       next
//   ------    ----------------------------------  ---------------------------  -------
//   idle      down in the left or right border    marker := pen + half letter  pressed
//   idle      down elsewhere, or no letters       not consumed                 idle
//   idle      move / up                           not consumed                 idle
//   pressed   move                                marker follows the pen       pressed
//   pressed   up                                  jump key (-2, letter) sent   idle
//   pressed   transition start (ClearPressed)     bubble dropped, no jump      idle
//
// Every consumed event returns the union of the bubble's old and new rectangles.
//
// A strip whose list is hidden (the contact list while the filter menu covers it) neither
// draws nor takes the pen.
//
// The strip image (background and letters) is drawn once and copied at every paint; it is
// discarded when the strip is resized (relayout or theme change). UI thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/Surface.h"
#include "platform/ui/Window.h"
#include "toolkit/LightControl.h"

class SmartListControl;
class SearchPanelScrollAction;

class LeftSearchPanel : public LightControl {
 public:
  // The pseudo virtual key of "jump to the index letter given as the character".
  static constexpr uint32_t kJumpToLetterKey = static_cast<uint32_t>(-2);
  // Width of the letter column.
  static constexpr int kStripWidth = 16;
  // Distance of the first letter cell from the strip's top (and of the last from its bottom).
  static constexpr int kLetterMargin = 3;

  // Sends a key through the window-level key dispatch.
  using KeySender = std::function<void(uint32_t virtual_key, char16_t character)>;

  // Installs its SearchPanelScrollAction as `list`'s scroll listener. `list` is not owned and
  // must outlive the strip.
  LeftSearchPanel(platform::ui::HWND host_window, const RECT& initial_rect, SmartListControl& list);
  // Removes the scroll listener from the list.
  ~LeftSearchPanel() override;

  // rect := client; the strip image is redrawn at the next paint.
  void Resize(const RECT& client) override;
  bool Paint(platform::Surface& dc, int left, int top, int right, int bottom) override;
  RECT OnPenDown(int x, int y) override;
  RECT OnPenMove(int x, int y) override;
  RECT OnPenUp(int x, int y) override;

  // How the jump key leaves the strip. Without a sender the key goes straight to the list's
  // OnKey and its result is invalidated on the host window.
  void SetKeySender(KeySender sender) { key_sender_ = std::move(sender); }
  // Drops the pressed state without a jump (a screen transition begins).
  void ClearPressed() { pressed_ = false; }

  // (height - 6) / number of letters; 0 when the theme gives no letters.
  float LetterSpacing() const;
  // Where the bubble for a marker at `marker_y` goes: the feedback image's size, or 100 x 40.
  static RECT BubbleRectFor(int marker_y);
  // The index letter whose cell contains `marker_y`, or 0.
  char16_t LetterAt(int marker_y) const;
  // The index letter of the row 5 px below the list's top, or 0 when there is none.
  char16_t CurrentLetter() const;

  bool Pressed() const { return pressed_; }
  int MarkerY() const { return marker_y_; }
  RECT BubbleRect() const { return bubble_rect_; }
  char16_t LetterUnderPen() const { return letter_under_pen_; }
  bool HasStripImage() const { return strip_image_ != nullptr; }

 private:
  bool InBorder(int x, int y) const;
  // Moves the bubble to the marker and returns the union of its old and new rectangles.
  RECT MoveBubble();
  void DrawStripImage();
  void DrawMarkers(platform::Surface& dc);
  void DrawBubble(platform::Surface& dc, char16_t letter);
  void SendJump(char16_t letter);

  platform::ui::HWND host_window_;
  SmartListControl& list_;
  std::unique_ptr<SearchPanelScrollAction> scroll_action_;
  KeySender key_sender_;
  bool pressed_ = false;
  int marker_y_ = 0;
  RECT bubble_rect_{};
  char16_t letter_under_pen_ = 0;
  // The cached strip: 16 px wide, the strip's height. Null until the first paint after a
  // resize.
  std::unique_ptr<platform::Surface> strip_image_;
};
