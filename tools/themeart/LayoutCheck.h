// Checks that a theme folder's images fit the layout its settings.ini gives, on a 240 x 320
// screen and its 320 x 240 turn: icon cells, keypad, backgrounds, button widths, the row
// favourite mark, the letter marker, the signal gauge and the default picture. A mismatch is
// not an error for the program (it stretches or clips) but spoils the look.
#pragma once

#include <string>
#include <vector>

namespace themeart {

// Problems found in themes_dir/<theme>, one line each; empty when everything fits.
std::vector<std::string> CheckLayout(const std::string& themes_dir, const std::string& theme);

}  // namespace themeart
