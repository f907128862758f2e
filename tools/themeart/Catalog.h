// The images of each shipped theme: file name, pixel size and drawing. The sizes follow the
// layout that each theme's settings.ini gives for a 240 x 320 screen and its 320 x 240
// landscape turn.
#pragma once

#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

namespace themeart {

struct ArtImage {
  std::string file;
  int width = 0;
  int height = 0;
  std::function<void(cairo_t*)> draw;
};

struct ThemeArt {
  std::string name;  // folder under themes/
  std::vector<ArtImage> images;
};

ThemeArt TouchArt();
ThemeArt NightfallArt();
std::vector<ThemeArt> AllThemeArt();

}  // namespace themeart
