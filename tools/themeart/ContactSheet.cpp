#include "ContactSheet.h"

#include <algorithm>

#include "Canvas.h"
#include "PngWriter.h"
#include "Shapes.h"

namespace themeart {

namespace {

constexpr int kSheetWidth = 1400;
constexpr int kMargin = 12;
constexpr int kLabelHeight = 14;
constexpr int kTitleHeight = 28;

// Small images are shown twice as large so that their pixels can be judged.
int ZoomOf(const ArtImage& image) {
  return std::max(image.width, image.height) <= 100 ? 2 : 1;
}

struct Placement {
  const ArtImage* image;
  int x, y, zoom;
};

// Lays out every image row by row; returns the height used below `top`.
int Layout(const ThemeArt& theme, int top, std::vector<Placement>& out) {
  int x = kMargin, y = top + kTitleHeight, row_height = 0;
  for (const ArtImage& image : theme.images) {
    const int zoom = ZoomOf(image);
    const int w = image.width * zoom, h = image.height * zoom + kLabelHeight;
    if (x + w + kMargin > kSheetWidth && x > kMargin) {
      x = kMargin;
      y += row_height + kMargin;
      row_height = 0;
    }
    out.push_back(Placement{&image, x, y, zoom});
    x += std::max(w, 90) + kMargin;
    row_height = std::max(row_height, h);
  }
  return y + row_height + kMargin - top;
}

void DrawChecker(cairo_t* cr, Box box) {
  FillBox(cr, box, Rgb(255, 255, 255));
  for (int y = 0; y < box.height; y += 8) {
    for (int x = (y / 8 % 2) * 8; x < box.width; x += 16) {
      FillBox(
          cr,
          Box{box.x + x, box.y + y, std::min(8.0, box.width - x), std::min(8.0, box.height - y)},
          Rgb(204, 204, 204));
    }
  }
}

void DrawLabel(cairo_t* cr, double x, double y, double size, const std::string& text) {
  cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  SetSource(cr, Rgb(30, 30, 30));
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text.c_str());
}

void DrawPlacement(cairo_t* cr, const Placement& at) {
  const ArtImage& image = *at.image;
  Canvas canvas(image.width, image.height);
  image.draw(canvas.Context());
  canvas.Flush();
  const Box frame{static_cast<double>(at.x), static_cast<double>(at.y),
                  static_cast<double>(image.width * at.zoom),
                  static_cast<double>(image.height * at.zoom)};
  DrawChecker(cr, frame);
  cairo_save(cr);
  cairo_translate(cr, frame.x, frame.y);
  cairo_scale(cr, at.zoom, at.zoom);
  cairo_set_source_surface(cr, canvas.Surface(), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_paint(cr);
  cairo_restore(cr);
  DrawLabel(cr, frame.x, frame.y + frame.height + 11, 10, image.file);
}

std::vector<ThemeArt> Select(const std::vector<ThemeArt>& themes, const std::string& filter) {
  std::vector<ThemeArt> selected;
  for (const ThemeArt& theme : themes) {
    ThemeArt part{theme.name, {}};
    for (const ArtImage& image : theme.images) {
      if ((theme.name + "/" + image.file).find(filter) != std::string::npos)
        part.images.push_back(image);
    }
    if (!part.images.empty()) selected.push_back(std::move(part));
  }
  return selected;
}

}  // namespace

bool WriteContactSheet(const std::vector<ThemeArt>& all_themes, const std::string& filter,
                       const std::string& path) {
  const std::vector<ThemeArt> themes = Select(all_themes, filter);
  std::vector<Placement> placements;
  std::vector<int> section_tops;
  int height = kMargin;
  for (const ThemeArt& theme : themes) {
    section_tops.push_back(height);
    height += Layout(theme, height, placements);
  }
  Canvas sheet(kSheetWidth, height);
  cairo_t* cr = sheet.Context();
  FillBox(cr, Box{0, 0, kSheetWidth, static_cast<double>(height)}, Rgb(236, 236, 236));
  for (size_t i = 0; i < themes.size(); ++i) {
    DrawLabel(cr, kMargin, section_tops[i] + 20, 18, themes[i].name);
  }
  for (const Placement& placement : placements) DrawPlacement(cr, placement);
  return WriteFileBytes(path, EncodePng(sheet));
}

}  // namespace themeart
