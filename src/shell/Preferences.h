// The user's choices that outlive the process: the theme archive in use, full screen on or
// off, and the soft keyboard to bring up for text boxes. They live in the registry under
// HKEY_CURRENT_USER "Software\Quillbook\Contact". Nothing is cached: every read goes to the
// registry again, and every failure falls back to the default (writes fail silently).
#pragma once

#include <optional>
#include <string>

namespace shell {

// File name of the theme archive; "Touch.qbt" when the value is missing, empty, not a string,
// not terminated, or longer than 255 characters.
std::u16string ReadThemeName();
void WriteThemeName(const std::u16string& name);

// Whether full screen is on: true unless "Fullscreen" is a REG_DWORD other than 1.
bool ReadFullscreen();
void WriteFullscreen(bool on);

// The chosen input method's class identifier in registry string form, or "nosip"; nullopt
// when none was stored (the caller then keeps the platform's current input method). Read by
// the same rules as the theme name.
std::optional<std::u16string> ReadCurrentSip();
void WriteCurrentSip(const std::u16string& sip);

}  // namespace shell
