// Relayout: the orientation check, the theme (re)load and the resize of every top-level panel.
#pragma once

#include <string>

#include "platform/Types.h"

namespace shell {

// Without force, a rectangle equal to the last layout rectangle does nothing. The prefix is
// "landscape_" when the rectangle is wider than m = min(main window height, screen width),
// else "portrait_". A new prefix, or force, reloads the theme. Then the back buffer is
// discarded, every panel is resized with the rectangle (list order) and the window is
// invalidated.
void Relayout(const RECT& rect, bool force);

// The orientation prefix for a layout rectangle, given the main window's height and the
// screen width.
std::u16string OrientationPrefix(const RECT& rect, int window_height, int screen_width);

// Loads the theme for the orientation prefix: reset to defaults, the preferred theme archive,
// then "lang.ini" and "settings.ini" from the program folder. For now it records the prefix
// and the preferred theme name read, which the dump shows.
void LoadThemeForPrefix(const std::u16string& prefix);
// The language texts read once at start-up, before any theme ("lang.ini", no prefix).
void LoadStartupLanguageTexts();

// Stores the preferred theme and relayouts with the client rectangle, forced.
void ChangeTheme(const std::u16string& theme_file_name);

}  // namespace shell
