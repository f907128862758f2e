// The platform's edit box: the window classes "CAPEDIT" (capitalises the first letter of each
// sentence) and "EDIT". A multi-line box (ES_MULTILINE) that wraps words and scrolls
// vertically to keep the caret in view; without ES_MULTILINE one line that is never wrapped
// and scrolls sideways to keep the caret in view. Either way the box takes characters
// (WM_CHAR, one UTF-16 unit each, a pair arriving as two), editing keys, a desktop input method's
// composition (shown underlined at the caret until it is committed) and the pen, and speaks the old
// edit messages.
//
// Pen (a table, row by row):
//   down            focus to the box; caret to the point (shift held: the selection grows)
//   down again soon a second tap within 400 ms and 8 px selects the word
//   move            beyond 6 px: the selection follows the pen (scrolling at the edges)
//   hold 700 ms     without moving: the menu of Cut, Copy, Paste and Select all
//   up              ends the press
// Keys: arrows (control: by word), Home/End (control: the whole text), Page Up/Down,
// Delete (shift: cut), Backspace and Return as characters; control+X/C/V/A and
// shift+Delete/control+Insert/shift+Insert for the clipboard.
// Messages: WM_SETTEXT/WM_GETTEXT/WM_GETTEXTLENGTH (lParam NUL-terminated text; wParam of
// WM_GETTEXT the capacity in units, terminator included), WM_SETFONT (wParam a Font*, null for
// the default), WM_GETFONT, EM_LIMITTEXT/EM_GETLIMITTEXT, EM_GETMODIFY/EM_SETMODIFY,
// EM_SETSEL (anchor, caret; -1 as caret means the end, -1 as anchor drops the selection),
// EM_GETSEL (wParam and lParam point to uint32_t), EM_REPLACESEL (lParam text), EM_SCROLLCARET,
// EM_GETLINECOUNT, EM_GETFIRSTVISIBLELINE, WM_CUT/WM_COPY/WM_PASTE/WM_CLEAR.
// Painting asks the parent with WM_CTLCOLOREDIT for the text colour and background brush.
// Each change the user makes is told to the parent as WM_COMMAND with EN_CHANGE in the high
// word of wParam and the box in lParam.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "platform/ui/Window.h"

namespace platform::input {

inline constexpr char16_t kCapEditClass[] = u"CAPEDIT";
inline constexpr char16_t kEditClass[] = u"EDIT";

// Registers the edit box classes; may be called any number of times. True when they exist.
bool SHInitExtraControls();

// What an edit box holds, for dumps and tests; nullopt for a window that is not one.
struct EditBoxState {
  std::u16string text;
  size_t caret = 0;
  size_t anchor = 0;
  size_t limit = 0;
  bool modified = false;
  bool focused = false;
  size_t first_visible_line = 0;
  size_t line_count = 0;
  std::u16string composition;
  bool menu_open = false;
};
std::optional<EditBoxState> GetEditBoxState(ui::HWND hwnd);

}  // namespace platform::input
