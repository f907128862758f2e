#include "Catalog.h"

#include <utility>

#include "Artwork.h"
#include "Palette.h"

namespace themeart {

namespace {

struct IconSpec {
  const char* name;
  Glyph glyph;
  IconRow row;
};

// The icon bar (favourites, all contacts, SMS, filter, phone) and the symbol pad above it.
constexpr IconSpec kIcons[] = {
    {"favorites", Glyph::kStar, IconRow::kIconBar},
    {"contacts", Glyph::kPeople, IconRow::kIconBar},
    {"sms", Glyph::kBubble, IconRow::kIconBar},
    {"filter", Glyph::kFunnel, IconRow::kIconBar},
    {"phone", Glyph::kHandset, IconRow::kIconBar},
    {"platform", Glyph::kAddressBook, IconRow::kSymbolPad},
    {"options", Glyph::kGear, IconRow::kSymbolPad},
    {"close", Glyph::kCross, IconRow::kSymbolPad},
    {"minimize", Glyph::kMinimise, IconRow::kSymbolPad},
};

class Builder {
 public:
  Builder(std::string name, Palette palette) : palette_(palette) { art_.name = std::move(name); }

  void Add(std::string file, int width, int height,
           std::function<void(cairo_t*, int, int, const Palette&)> draw) {
    const Palette palette = palette_;
    art_.images.push_back(ArtImage{std::move(file), width, height,
                                   [=](cairo_t* cr) { draw(cr, width, height, palette); }});
  }

  // A normal and a pressed face: NAME.png and NAME_pressed.png.
  void AddFaces(const std::string& name, int width, int height,
                std::function<void(cairo_t*, int, int, Face, const Palette&)> draw) {
    for (Face face : {Face::kNormal, Face::kPressed}) {
      Add(name + (face == Face::kPressed ? "_pressed" : "") + ".png", width, height,
          [=](cairo_t* cr, int w, int h, const Palette& p) { draw(cr, w, h, face, p); });
    }
  }

  // Every icon in both faces, at one cell size, named icon_NAME<suffix>.
  void AddIcons(const std::string& suffix, int width, int height) {
    for (const IconSpec& icon : kIcons) {
      const Glyph glyph = icon.glyph;
      const IconRow row = icon.row;
      AddFaces(std::string("icon_") + icon.name + suffix, width, height,
               [=](cairo_t* cr, int w, int h, Face face, const Palette& p) {
                 DrawIconCell(cr, w, h, glyph, face, row, p);
               });
    }
  }

  void AddBackgrounds(const std::string& suffix, int width, int height, int title_height,
                      int sms_header_height) {
    Add("bg_list" + suffix + ".png", width, height, DrawListBackground);
    Add("bg_detail" + suffix + ".png", width, height,
        [=](cairo_t* cr, int w, int h, const Palette& p) {
          DrawDetailBackground(cr, w, h, title_height, p);
        });
    Add("bg_sms" + suffix + ".png", width, height,
        [=](cairo_t* cr, int w, int h, const Palette& p) {
          DrawSmsBackground(cr, w, h, sms_header_height, p);
        });
  }

  void AddMarks(int favorite, int picture) {
    Add("favorite.png", favorite, favorite, DrawFavoriteMark);
    Add("contact.png", picture, picture, DrawDefaultContact);
    Add("feedback.png", 88, 56, DrawFeedbackBubble);
    Add("signal.png", 28, 10, DrawSignalGauge);
  }

  ThemeArt Take() { return std::move(art_); }

 private:
  Palette palette_;
  ThemeArt art_;
};

}  // namespace

// One set of screen-sized backgrounds (320 x 320 covers both turns of the screen) and
// orientation variants only where a stretch would distort: icon cells, the keypad, the
// detail buttons and the letter marker.
ThemeArt TouchArt() {
  Builder b("Touch", TouchPalette());
  b.AddBackgrounds("", 320, 320, 32, 42);
  b.Add("menu_bg.png", 158, 160, DrawMenuBackground);
  b.AddFaces("button_large", 228, 40, DrawLargeButton);
  b.AddFaces("button_large_l", 196, 40, DrawLargeButton);
  b.AddFaces("button_small", 150, 30, DrawSmallButton);
  b.AddFaces("back", 44, 31, DrawBackButton);
  b.AddIcons("", 60, 40);
  b.AddIcons("_l", 80, 40);
  b.Add("pad.png", 240, 128, DrawPhonePad);
  b.Add("pad_l.png", 320, 112, DrawPhonePad);
  b.Add("marker.png", 16, 10, DrawIndexMarker);
  b.Add("marker_l.png", 16, 7, DrawIndexMarker);
  b.Add("favorite_small.png", 16, 40, DrawRowFavoriteMark);
  b.AddMarks(22, 80);
  return b.Take();
}

// Every layout-dependent image exists once per orientation (_p and _l): backgrounds of the
// exact screen size, a taller icon bar in portrait and a lower one in landscape.
ThemeArt NightfallArt() {
  Builder b("Nightfall", NightfallPalette());
  b.AddBackgrounds("_p", 240, 320, 32, 42);
  b.AddBackgrounds("_l", 320, 240, 32, 38);
  b.Add("menu_bg.png", 168, 160, DrawMenuBackground);
  b.AddFaces("button_large_p", 228, 44, DrawLargeButton);
  b.AddFaces("button_large_l", 190, 38, DrawLargeButton);
  b.AddFaces("button_small", 160, 32, DrawSmallButton);
  b.AddFaces("back", 44, 31, DrawBackButton);
  b.AddIcons("_p", 60, 44);
  b.AddIcons("_l", 80, 36);
  b.Add("pad_p.png", 240, 136, DrawPhonePad);
  b.Add("pad_l.png", 320, 108, DrawPhonePad);
  b.Add("marker_p.png", 16, 10, DrawIndexMarker);
  b.Add("marker_l.png", 16, 7, DrawIndexMarker);
  b.Add("favorite_small_p.png", 16, 44, DrawRowFavoriteMark);
  b.Add("favorite_small_l.png", 16, 34, DrawRowFavoriteMark);
  b.AddMarks(24, 88);
  return b.Take();
}

std::vector<ThemeArt> AllThemeArt() {
  return {TouchArt(), NightfallArt()};
}

}  // namespace themeart
