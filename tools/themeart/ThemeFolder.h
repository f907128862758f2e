// Reads a theme folder the way the program reads the archive made from it, for previews:
// settings.ini cut at CR LF, comment and blank lines skipped, and for every key the last of
// its bare or orientation-prefixed lines. Images are the folder's PNG files.
#pragma once

#include <cairo.h>

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "Colour.h"
#include "Shapes.h"

namespace themeart {

struct ScreenBox {
  int left = 0, top = 0, right = 0, bottom = 0;
};

class ThemeFolder {
 public:
  // Reads folder/settings.ini for the given prefix ("portrait_" or "landscape_").
  ThemeFolder(std::string folder, const std::string& prefix);

  std::optional<std::string> Value(const std::string& key) const;
  Colour ColourOf(const std::string& key, Colour fallback) const;
  int Integer(const std::string& key, int fallback) const;
  ScreenBox BoxOf(const std::string& key, ScreenBox fallback) const;
  // Pixel size and boldness of a font value ("12", "12,bold").
  double FontSize(const std::string& key, double fallback) const;
  bool FontBold(const std::string& key) const;
  // The image a key names, or null when the key or its file is missing.
  cairo_surface_t* Image(const std::string& key) const;

 private:
  struct SurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
  };

  std::string folder_;
  std::map<std::string, std::string> values_;
  mutable std::map<std::string, std::unique_ptr<cairo_surface_t, SurfaceDeleter>> images_;
};

}  // namespace themeart
