// The edit box's long-press menu: a small top-most box at the pen with Cut, Copy, Paste and
// Select all, the ones that cannot apply greyed. It holds the pen while open:
//   pen down on an entry     the entry is drawn pressed
//   pen up on that entry     the command goes to the edit box, the menu closes
//   pen down outside         the menu closes (nothing else happens)
//   pen up before any down   ignored (the end of the long press that opened it)
// UI thread only.
#pragma once

#include <array>

#include "platform/Types.h"
#include "platform/ui/Window.h"

namespace platform::input {

class EditMenu final : public ui::WindowClassData {
 public:
  // Cut, Copy, Paste, Select all.
  using Enabled = std::array<bool, 4>;

  // Opens the menu for `edit` near the screen point; null when it cannot be made.
  static ui::HWND Open(ui::HWND edit, POINT screen_point, Enabled enabled);
  // Hides the menu at once and destroys it from the queue (it may be inside its own handler).
  static void Close(ui::HWND menu);

  EditMenu(ui::HWND edit, Enabled enabled) : edit_(edit), enabled_(enabled) {}

 private:
  LRESULT Handle(ui::HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void Paint(ui::HWND hwnd);
  int EntryAt(ui::HWND hwnd, int x, int y) const;
  void Run(int entry);

  ui::HWND edit_;
  Enabled enabled_;
  int pressed_ = -1;
  bool pen_seen_ = false;
};

}  // namespace platform::input
