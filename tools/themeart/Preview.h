// Mock screens of a theme folder: the contact list (with the index bubble), the list with the
// phone pad, the contact detail, an SMS conversation and the symbol pad with the options menu,
// in portrait and landscape. They follow the theme's settings.ini and PNG files, so the
// artwork and the layout values can be judged together before the program draws them.
// Not shipped; texts use cairo's built-in toy text with made-up names.
#pragma once

#include <string>
#include <vector>

namespace themeart {

// Writes a preview of the named theme folders (under themes_dir) to path; false on failure.
bool WritePreview(const std::string& themes_dir, const std::vector<std::string>& themes,
                  const std::string& path);

}  // namespace themeart
