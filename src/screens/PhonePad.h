// PhonePad: a 3 x 4 telephone keypad ("123456789*0#", row by row) drawn by the program. On the
// list screen it slides up above the icon bar and its keys filter the list; inside the call
// edit panel they type digits. A key is sent on pen-up over it, through the main window's key
// dispatch as the pseudo virtual key -3 with the key's character; a drag that ends off the
// keys sends nothing. Only a press that began on the pad counts: the pen-up after a long
// press that opened the pad (the call edit panel) types nothing, and a drag of the list that
// crosses the pad stays the list's.
//
// Geometry: the rect is split into 3 equal columns (width / 3) and 4 equal rows (height / 4),
// integer divisions; key i is in row i / 3, column i % 3.
//
// UI thread only.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/ui/Window.h"
#include "toolkit/LightControl.h"

class PhonePad : public LightControl {
 public:
  static constexpr char16_t kKeys[] = u"123456789*0#";
  static constexpr int kKeyCount = 12;
  // The pseudo virtual key of a phone-pad key.
  static constexpr uint32_t kPhonePadKey = static_cast<uint32_t>(-3);
  // What stands for "no key".
  static constexpr char16_t kNoKey = u' ';

  using KeySender = std::function<void(uint32_t virtual_key, char16_t character)>;

  PhonePad(platform::ui::HWND host_window, const RECT& initial_rect);

  // The cell of key `index` (0 to 11) in `pad`.
  static RECT KeyRect(const RECT& pad, int index);
  // The key whose cell holds the point, or kNoKey.
  static char16_t HitTest(const RECT& pad, int x, int y);

  // Full width, ending `icon_panel_height` above the main window's bottom, `phone_pad_height`
  // high; while hidden, moved down by its height (where it slides in from).
  void Resize(const RECT& client) override;
  bool Paint(platform::Surface& dc, int left, int top, int right, int bottom) override;
  RECT OnPenDown(int x, int y) override;
  RECT OnPenMove(int x, int y) override;
  RECT OnPenUp(int x, int y) override;
  RECT OnPenReleased(int x, int y) override;

  // Where keys go instead of the main window's key dispatch (tests).
  void SetKeySender(KeySender sender) { key_sender_ = std::move(sender); }
  char16_t PressedKey() const { return pressed_key_; }

 private:
  platform::ui::HWND host_window_;
  // 0xFFFF until the first pen-down.
  char16_t pressed_key_ = 0xFFFF;
  // The pen went down on the pad and has not come up yet.
  bool tracking_ = false;
  KeySender key_sender_;
};
