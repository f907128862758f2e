#include "LayoutCheck.h"

#include <cairo.h>

#include "ThemeFolder.h"

namespace themeart {

namespace {

struct Orientation {
  const char* prefix;
  int width, height;
};

constexpr Orientation kOrientations[] = {{"portrait_", 240, 320}, {"landscape_", 320, 240}};

// Icons of the bar and of the symbol pad: each fills one cell.
constexpr const char* kIconKeys[] = {"favorite_icon", "contact_icon", "sms_icon",
                                     "filter_icon",   "hide_icon",    "old_contact_icon",
                                     "option_icon",   "close_icon",   "minimize_icon"};

class Checker {
 public:
  Checker(const std::string& folder, const Orientation& orientation)
      : theme_(folder, orientation.prefix), orientation_(orientation) {}

  std::vector<std::string> Run() {
    CheckIcons();
    CheckPad();
    CheckBackgrounds();
    CheckButtons();
    CheckMarks();
    return problems_;
  }

 private:
  struct Size {
    int width = -1, height = -1;
  };

  Size SizeOf(const std::string& key) const {
    cairo_surface_t* image = theme_.Image(key);
    if (image == nullptr) return Size{};
    return Size{cairo_image_surface_get_width(image), cairo_image_surface_get_height(image)};
  }

  void Report(const std::string& key, const std::string& problem) {
    problems_.push_back(std::string(orientation_.prefix) + key + ": " + problem);
  }

  // Reports a missing image or one whose size differs from the expected one.
  void Expect(const std::string& key, int width, int height) {
    const Size size = SizeOf(key);
    if (size.width < 0) return Report(key, "no image");
    if (size.width != width || size.height != height) {
      Report(key, std::to_string(size.width) + "x" + std::to_string(size.height) +
                      ", the layout needs " + std::to_string(width) + "x" + std::to_string(height));
    }
  }

  int IconBar() const { return theme_.Integer("icon_panel_height", 40); }

  void CheckIcons() {
    for (const char* key : kIconKeys) {
      Expect(key, orientation_.width / 4, IconBar());
      Expect(std::string(key) + "_pressed", orientation_.width / 4, IconBar());
    }
  }

  void CheckPad() {
    Expect("phone_pad_bg", orientation_.width, theme_.Integer("phone_pad_height", 120));
  }

  void CheckBackgrounds() {
    for (const char* key :
         {"background_image_list", "background_image_detail", "sms_background_image"}) {
      const Size size = SizeOf(key);
      if (size.width < 0) {
        Report(key, "no image");
      } else if (size.width < orientation_.width || size.height < orientation_.height) {
        Report(key, "smaller than the screen");
      }
    }
  }

  void CheckButtons() {
    const ScreenBox list = theme_.BoxOf("contact_button_list_box", ScreenBox{5, 116, 234, 320});
    const Size large = SizeOf("large_button_image");
    Expect("large_button_image", list.right - list.left, large.height);
    Expect("large_button_image_pressed", large.width, large.height);
    const Size small = SizeOf("small_button_image");
    Expect("small_button_image", theme_.Integer("small_button_width", 150), small.height);
    Expect("small_button_image_pressed", small.width, small.height);
    const Size back = SizeOf("back_button_image");
    Expect("back_button_image_pressed", back.width, back.height);
  }

  void CheckMarks() {
    const int rows = theme_.Integer("contact_height", 36);
    Expect("small_favorite_image", SizeOf("small_favorite_image").width, rows);
    const int letters =
        int(theme_.Value("index_letters").value_or("#ABCDEFGHIJKLMNOPQRSTUVWXYZ").size());
    const double spacing = (orientation_.height - IconBar() - 6) / double(letters);
    const Size marker = SizeOf("current_index_marker_image");
    if (marker.width < 0 || marker.width > 16 || marker.height > spacing + 1) {
      Report("current_index_marker_image", "must fit the 16-pixel strip and one letter cell");
    }
    const ScreenBox gauge = theme_.BoxOf("sms_signal_strength_box", ScreenBox{209, 2, 236, 12});
    Expect("sms_signal_image", gauge.right - gauge.left, gauge.bottom - gauge.top);
    const ScreenBox photo = theme_.BoxOf("contact_photo_box", ScreenBox{10, 40, 81, 141});
    const Size picture = SizeOf("default_contact_image");
    if (picture.width * (photo.bottom - photo.top) != picture.height * (photo.right - photo.left)) {
      Report("default_contact_image", "its shape differs from contact_photo_box");
    }
  }

  ThemeFolder theme_;
  Orientation orientation_;
  std::vector<std::string> problems_;
};

}  // namespace

std::vector<std::string> CheckLayout(const std::string& themes_dir, const std::string& theme) {
  std::vector<std::string> problems;
  for (const Orientation& orientation : kOrientations) {
    for (const std::string& problem : Checker(themes_dir + "/" + theme, orientation).Run()) {
      problems.push_back(theme + ": " + problem);
    }
  }
  return problems;
}

}  // namespace themeart
