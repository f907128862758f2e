// Keyboard input made by software, as the old platform offered it to input methods:
// keybd_event synthesises a key going down or up (as the phone's keyboard driver would), and
// PostKeybdMessage posts characters to a window. Both end in the window manager's queue, so
// their messages arrive in order with everything else. UI thread only.
#pragma once

#include <cstdint>

#include "platform/Messages.h"
#include "platform/ui/Window.h"

namespace platform::input {

// Most characters one PostKeybdMessage call delivers; further ones are dropped.
inline constexpr uint32_t kMaxKeybdCharacters = 4096;

// The key goes down (flags 0) or up (KEYEVENTF_KEYUP). Down posts WM_KEYDOWN to the window
// with the keyboard focus and, for a key that types a character while control is up (letters
// in the case shift gives, digits, space, Backspace, Return, Tab), the WM_CHAR after it. Up
// posts WM_KEYUP. Shift and control are remembered as held until they come up. The scan code
// and extra information are not used.
void keybd_event(uint8_t virtual_key, uint8_t scan_code, uint32_t flags, uintptr_t extra_info);

// Posts WM_CHAR for each of the `count` characters (at most kMaxKeybdCharacters; characters
// 0 are skipped) to `hwnd`, or to the window with the keyboard focus when hwnd is null; with a
// virtual key and no characters, posts the key's WM_KEYDOWN (WM_KEYUP when the key state lacks
// KeyStateDownFlag). Shift states are accepted and not used. False when there is no target.
bool PostKeybdMessage(ui::HWND hwnd, uint32_t virtual_key, uint32_t key_state_flags, uint32_t count,
                      const uint32_t* shift_states, const uint32_t* characters);

}  // namespace platform::input
