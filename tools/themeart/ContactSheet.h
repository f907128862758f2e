// A proof sheet of every image of the given themes on a checkerboard, for looking at the
// artwork as a whole. Not shipped; labels use cairo's built-in toy text.
#pragma once

#include <string>
#include <vector>

#include "Catalog.h"

namespace themeart {

// Renders the sheet of the images whose "Theme/file" name contains `filter` (all when it is
// empty) and writes it as PNG; false when the file cannot be written.
bool WriteContactSheet(const std::vector<ThemeArt>& themes, const std::string& filter,
                       const std::string& path);

}  // namespace themeart
